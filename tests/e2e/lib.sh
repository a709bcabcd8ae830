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
  if [ -n "${GAME_PID:-}" ]; then
    kill "$GAME_PID" 2>/dev/null
    # SIGTERM ends the game at its next frame; one still running 2 s later is hung, and
    # killed outright.
    for _ in $(seq 20); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$GAME_PID" 2>/dev/null
  fi
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display and names it once it is ready. Its screen is 640x480 unless a
# size such as 1600x1200 is given.
start_display() {
  Xvfb -displayfd 3 -screen 0 "${1:-640x480}x24" -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do
    [ -s "$WORK/display" ] && export DISPLAY=:$(cat "$WORK/display") && break
    sleep 0.1
  done
  [ -s "$WORK/display" ] || fail "no Xvfb display could be started"
  # Named is not always answering yet on a loaded machine (a game started at once once found
  # no display): wait until a client can talk to it.
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the Xvfb display $DISPLAY does not answer"
}

# Runs the game in the background from a folder holding the built resource files, with the
# given command-line arguments, and waits for its window.
start_game() {
  cp "$BUILD_DIR/korvanta.dat" "$BUILD_DIR/patches.dat" "$WORK/run/"
  # Twice in many CI runs the library did not start on a fresh Xvfb that already answered
  # xdpyinfo (never reproduced alone): such a start is tried again, and says so.
  for attempt in 1 2 3; do
    (cd "$WORK/run" && exec "$GAME" "$@" >"$WORK/stdout" 2>"$WORK/stderr") &
    GAME_PID=$!
    for _ in $(seq 100); do
      WINDOW=$(xdotool search --name '^Korvanta$' 2>/dev/null | head -n 1)
      [ -n "$WINDOW" ] && sleep 0.5 && return 0
      kill -0 "$GAME_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "the game's window did not appear"
    grep -q "library did not start" "$WORK/stderr" && [ $attempt -lt 3 ] || break
    echo "the game did not start at attempt $attempt: $(cat "$WORK/stderr"); trying again" >&2
    sleep 1
  done
  fail "the game ended before opening its window: $(cat "$WORK/stderr")"
}

# Holds a key long enough for the game to see it in its key array, and short enough for one
# action (a held key repeats after 6 frames): one xdotool process times the hold, since
# starting a second one can take long on a busy machine.
hold_key() { xdotool keydown "$1" sleep "${2:-0.15}" keyup "$1"; }

# The title screen comes first. A key hurries its reveal; the menu is up once its highlight
# shows beside the first entry. A window elsewhere on a larger screen gives its left, top and
# factor.
wait_for_title_menu() {
  local left=${1:-0} top=${2:-0} factor=${3:-1}
  hold_key space
  for _ in $(seq 50); do
    [ "$(pixel $((left + factor * 351)) $((top + factor * 186)))" != "0,0,0" ] && return 0
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

screenshot() { xwd -root -silent | convert xwd:- "$1"; }

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

# Ends a run without the quit question (quitting is tested in the session test).
stop_game() { kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null; GAME_PID=; }

# The sound recorded so far is not silence: the last megabyte of it (some seconds of 16-bit
# stereo) strays from its mean by more than 1/100 of full scale (-40 dB) on average. The
# library mixes unsigned, so silence is a run of 32768s, not of zeros.
expect_sound() {
  [ -s "$SOUND_FILE" ] || fail "no sound was recorded"
  local level
  level=$(tail -c 1000000 "$SOUND_FILE" | od -An -tu2 -v -w2 |
    awk '{ sum += $1; squares += $1 * $1 } END { print int(sqrt(squares / NR - (sum / NR) ^ 2)) }')
  [ "$level" -gt 330 ] || fail "the recorded sound is silent (its level is $level)"
}

# Whether cell (column, row) of a player's board in a screenshot holds a tile: the cell
# without its rim, which no cursor frame reaches, is mostly bright. Player 1, row 13 unless
# given.
tile_at() {
  [ "$(count_pixels "$1" "24x24+$((365 * ${4:-0} + 30 * $2 + 28))+$((30 * ${3:-13} + 23))" \
    'r + g + b > 100')" -gt 300 ]
}

# The cells ("column row", one a line, in order) of a player's board, from a row (1..13)
# down, that hold a tile in a screenshot.
board_cells() {
  convert "$1" -crop "180x$((30 * (14 - $3)))+$((365 * $2 + 25))+$((30 * $3 + 20))" +repage \
    -depth 8 txt:- | awk -F'[ ,:()]+' -v first=$3 'NR > 1 && $1 % 30 >= 3 && $1 % 30 < 27 &&
      $2 % 30 >= 3 && $2 % 30 < 27 && $3 + $4 + $5 > 100 { n[int($1 / 30) " " int($2 / 30) + first]++ }
      END { for (cell in n) if (n[cell] > 300) print cell }' | sort -n -k2 -k1
}

# How many cells of a player's board, from a row down, hold a tile in a screenshot.
board_tiles() { board_cells "$@" | wc -l; }

# "column row" of Player 1's cursor: the top-left corner of its yellow frame on his board.
cursor_cell() {
  xwd -root -silent | convert xwd:- -crop 180x390+25+50 +repage -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $3 >= 240 && $4 >= 160 && $5 >= 100 && $5 <= 140 {
      print int(($1 + 6) / 30), int(($2 + 36) / 30); exit }'
}
