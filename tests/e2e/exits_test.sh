# Ways out from outside the game. SIGTERM, SIGINT and SIGHUP during play, at twice the size
# where the library's own handler aborted, end the game at its next frame with exit code 0, as
# quitting does, and without a word. A killed X client, a window destroyed from outside and a
# display that goes away end it with exit code 1 and one line on stderr. Never an abort, never
# a core file, never a game left running.
source "$(dirname "$0")/lib.sh" "$@"

# With core_pattern "core" (Debian's default) a crash would leave its core in the game's folder;
# elsewhere (a crash handler's pipe) the exit codes still tell an abort or a signal's death.
ulimit -c unlimited

# Waits up to 6 s for the game to end. Fails unless it exited with $1, left no core file and
# wrote on stderr, the sound library's own lines aside, exactly what the pattern $2 matches.
expect_end() {
  local code said
  for _ in $(seq 60); do kill -0 "$GAME_PID" 2>/dev/null && sleep 0.1; done
  kill -0 "$GAME_PID" 2>/dev/null && fail "$3: the game still runs 6 s later"
  wait "$GAME_PID"
  code=$?
  GAME_PID=
  said=$(grep -v '^ALSA lib' "$WORK/stderr")
  [ "$code" = "$1" ] || fail "$3: the exit code is $code, not $1; stderr: $said"
  ls "$WORK/run" | grep -q '^core' && fail "$3: a core file was left"
  [[ $said =~ ^$2$ ]] || fail "$3: stderr says: $said"
}

# The game at --scale 2 on the 1600 x 1200 desktop, from its title into the join menus; with
# "play", on into a one-player game past its count-in.
start_scaled() {
  start_game --scale 2
  read -r LEFT TOP < <(xdotool getwindowgeometry "$WINDOW" |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  wait_for_title_menu "$LEFT" "$TOP" 2
  hold_key Return
  sleep 1
  [ "${1:-}" = play ] && press 1 3.5
}

start_display 1600x1200
for signal in TERM INT HUP; do
  start_scaled play
  kill -$signal "$GAME_PID"
  expect_end 0 "" "SIG$signal"
done

ONE_LINE='Korvanta ends: [^
]*'
start_scaled
xdotool windowkill "$WINDOW"
expect_end 1 "$ONE_LINE" "a killed X client"
start_scaled
xdotool windowclose "$WINDOW"
expect_end 1 "$ONE_LINE" "a window destroyed from outside"
start_scaled play
kill "$XVFB_PID"
XVFB_PID=
expect_end 1 "$ONE_LINE" "a display that went away"
echo "1 passed, 0 failed"
