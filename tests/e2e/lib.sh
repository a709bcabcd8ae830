# Shared set-up for the end-to-end tests: the real game in its own Xvfb, with a HOME whose ALSA
# configuration records the game's sound to a file, and a stand-in for xmessage that writes the
# game's message boxes to a file instead of waiting for a click.
# Usage in a test: source lib.sh "$@"   (arguments: the game binary, the build directory)
set -u
GAME=$1
BUILD_DIR=$2
WORK=$(mktemp -d /tmp/korvanta-e2e.XXXXXX)
export HOME=$WORK/home
mkdir -p "$HOME" "$WORK/bin" "$WORK/run"
SOUND_FILE=$WORK/sound.raw
MESSAGES=$WORK/messages.txt
XVFB_PID=
printf 'pcm.!default {\n type file\n slave.pcm "null"\n file "%s"\n format "raw"\n}\n' \
  "$SOUND_FILE" > "$HOME/.asoundrc"
printf '#!/bin/sh\nfor last; do :; done\nprintf "%%s\\n" "$last" >> "%s"\n' "$MESSAGES" \
  > "$WORK/bin/xmessage"
chmod +x "$WORK/bin/xmessage"
export PATH=$WORK/bin:$PATH

cleanup() {
  [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_display() {
  local number
  for number in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ] && continue
    Xvfb :$number -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$number
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      [ -e /tmp/.X11-unix/X$number ] && sleep 0.2 && return 0
      sleep 0.1
    done
    kill $XVFB_PID 2>/dev/null
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

# Waits for the game to end and checks that its exit code is 0.
expect_clean_exit() {
  for _ in $(seq 60); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"
      local code=$?
      GAME_PID=
      [ "$code" = 0 ] || fail "the game exited with $code"
      echo "1 passed, 0 failed"
      exit 0
    fi
    sleep 0.1
  done
  fail "the game did not end within 6 seconds"
}

# Keeps a screenshot when KORVANTA_SHOTS names a folder for them.
shot() { [ -z "${KORVANTA_SHOTS:-}" ] || xwd -root -silent | convert xwd:- "$KORVANTA_SHOTS/$1.png"; }

# The colour of one screen pixel, as "r,g,b" in 0..255.
pixel() {
  xwd -root -silent | convert xwd:- -crop "1x1+$1+$2" -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
