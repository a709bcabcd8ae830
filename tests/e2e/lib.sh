# Shared set-up for the end-to-end tests: the real game in its own Xvfb, with a HOME whose ALSA
# configuration records the game's sound to a file, and a stand-in for xmessage that writes the
# game's message boxes to a file. Usage: source lib.sh "$@" (the game binary, the build folder)
set -u
GAME=$1
BUILD_DIR=$2
WORK=$(mktemp -d /tmp/korvanta-e2e.XXXXXX)
export HOME=$WORK/home PATH=$WORK/bin:$PATH
mkdir -p "$HOME" "$WORK/bin" "$WORK/run"
SOUND_FILE=$WORK/sound.raw
MESSAGES=$WORK/messages.txt
printf 'pcm.!default {\n type file\n slave.pcm "null"\n file "%s"\n format "raw"\n}\n' \
  "$SOUND_FILE" > "$HOME/.asoundrc"
printf '#!/bin/sh\nfor last; do :; done\nprintf "%%s\\n" "$last" >> "%s"\n' "$MESSAGES" \
  > "$WORK/bin/xmessage"
chmod +x "$WORK/bin/xmessage"

cleanup() {
  for pid in ${GAME_PID:-} ${XVFB_PID:-}; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display and names it once it is ready.
start_display() {
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do
    [ -s "$WORK/display" ] && export DISPLAY=:$(cat "$WORK/display") && return 0
    sleep 0.1
  done
  fail "no Xvfb display could be started"
}

# Runs the game in the background from a folder holding the built resource files, and waits
# for its window.
start_game() {
  cp "$BUILD_DIR/korvanta.dat" "$BUILD_DIR/patches.dat" "$WORK/run/"
  (cd "$WORK/run" && exec "$GAME" >"$WORK/stdout" 2>"$WORK/stderr") &
  GAME_PID=$!
  for _ in $(seq 100); do
    xdotool search --name '^Korvanta$' >/dev/null 2>&1 && sleep 0.5 && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before opening its window: $(cat "$WORK/stderr")"
    sleep 0.1
  done
  fail "the game's window did not appear"
}

# Holds a key long enough for the game to see it in its key array.
hold_key() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

# Waits up to 6 s for the game to end with exit code 0.
expect_clean_exit() {
  for _ in $(seq 60); do
    kill -0 "$GAME_PID" 2>/dev/null && sleep 0.1 && continue
    wait "$GAME_PID"
    local code=$?
    GAME_PID=
    [ "$code" = 0 ] || fail "the game exited with $code"
    echo "1 passed, 0 failed" && exit 0
  done
  fail "the game did not end within 6 seconds"
}

# The colour of one screen pixel, as "r,g,b" in 0..255.
pixel() {
  xwd -root -silent | convert xwd:- -crop "1x1+$1+$2" -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
