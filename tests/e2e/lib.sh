# Shared set-up for the end-to-end tests: the real game in its own Xvfb, with a HOME whose
# ALSA configuration records the game's sound to a file, and a stand-in for xmessage that
# writes the game's message boxes to a file instead of waiting for a click.
#
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

cat > "$HOME/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$SOUND_FILE"
  format "raw"
}
ASOUND

cat > "$WORK/bin/xmessage" <<XMESSAGE
#!/bin/sh
for last; do :; done
printf '%s\n' "\$last" >> "$MESSAGES"
XMESSAGE
chmod +x "$WORK/bin/xmessage"
export PATH=$WORK/bin:$PATH

cleanup() {
  if [ -n "${GAME_PID:-}" ]; then
    kill "$GAME_PID" 2>/dev/null
    # The library's signal handler can hang on the way out; a hung game is killed outright.
    for _ in $(seq 20); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$GAME_PID" 2>/dev/null
  fi
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

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

# Runs the game in the background from a folder holding the built resource files.
start_game() {
  cp "$BUILD_DIR/korvanta.dat" "$BUILD_DIR/patches.dat" "$WORK/run/"
  (cd "$WORK/run" && exec "$GAME" >"$WORK/stdout" 2>"$WORK/stderr") &
  GAME_PID=$!
  wait_for_window
}

wait_for_window() {
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --name '^Korvanta$' 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ] && sleep 0.5 && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before opening its window: $(cat "$WORK/stderr")"
    sleep 0.1
  done
  fail "the game's window did not appear"
}

# The title screen comes first. A key hurries its reveal; the menu is up once its highlight
# shows beside the first entry.
wait_for_title_menu() {
  hold_key space
  for _ in $(seq 50); do
    [ "$(pixel 351 186)" != "0,0,0" ] && return 0
    sleep 0.2
  done
  fail "the title menu did not show"
}

# From the title screen to the join menus: ENTER on "play".
enter_game() {
  wait_for_title_menu
  hold_key Return
  sleep 1
}

# Holds a key long enough for the game to see it in its key array, and short enough for one
# action (a held key repeats after 6 frames): one xdotool process times the hold, since
# starting a second one can take long on a busy machine.
hold_key() {
  xdotool keydown "$1" sleep "${2:-0.15}" keyup "$1"
}

# Waits for the game to end and sets EXIT_CODE.
wait_for_exit() {
  local seconds=${1:-10}
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"
      EXIT_CODE=$?
      GAME_PID=
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end within $seconds seconds"
}

screenshot() {
  xwd -root -silent | convert xwd:- "$1"
}

# The colour of one screen pixel, as "r,g,b" in 0..255.
pixel() {
  xwd -root -silent | convert xwd:- -crop "1x1+$1+$2" -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# How many pixels of a screenshot's region (WxH+X+Y) pass an awk test on r, g and b.
count_pixels() {
  convert "$1[$2]" -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
    awk "{ r = \$1; g = \$2; b = \$3 } $3 { n++ } END { print n + 0 }"
}

# How many pixels of one region (WxH+X+Y) differ between two screenshots.
region_changes() {
  compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 >/dev/null
}

# A key held as hold_key holds it (for $3 seconds if given), then a rest of $2 seconds.
press() {
  hold_key "$1" "${3:-0.15}"
  sleep "$2"
}

# A screenshot as $WORK/NAME.png, kept in $KORVANTA_SHOTS too when that is set.
shot() {
  screenshot "$WORK/$1.png"
  [ -z "${KORVANTA_SHOTS:-}" ] || cp "$WORK/$1.png" "$KORVANTA_SHOTS/$1.png"
}

# A file's bytes as unsigned numbers on one line; nothing when it is missing.
file_bytes() {
  od -An -tu1 -v "$1" 2>/dev/null | xargs
}
