#!/usr/bin/env bash
# The game's start-up time, CPU use and memory, beside LTris (Debian's `ltris`, another
# falling-blocks game) run the same way in the same run, so that a busy machine weighs on
# both. Usage: tools/measure_footprint.sh BUILD_DIR [SECONDS]   (from the repository's top)
# Needs what the end-to-end tests need, and `apt-get install ltris` for the comparison only.
# Prints a markdown table on stdout; progress goes to stderr, screenshots of every phase to
# $FOOTPRINT_SHOTS (default /tmp/korvanta-footprint) to check that each phase was reached.
set -u
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [SECONDS]" >&2; exit 2; }
BUILD=$(cd "$1" && pwd)
SECONDS_PER_PHASE=${2:-10}
LTRIS=/usr/games/ltris
[ -x "$LTRIS" ] || { echo "LTris is missing: apt-get install ltris" >&2; exit 2; }
SHOTS=${FOOTPRINT_SHOTS:-/tmp/korvanta-footprint}
mkdir -p "$SHOTS"

# The end-to-end tests' set-up: a scratch folder for the game, a HOME whose ALSA
# configuration records sound to a file, the display and the key helpers.
# shellcheck source=../tests/e2e/lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD/korvanta" "$BUILD"
CLOCK_TICKS=$(getconf CLK_TCK)

note() { echo "$*" >&2; }

# utime + stime of a process and all its threads, in clock ticks. The fields are counted
# after the command name's closing bracket, since a name may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

status_mb() { awk -v field="$2:" '$1 == field { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

pss_mb() {
  [ -r "/proc/$1/smaps_rollup" ] || { echo "-"; return; }
  awk '$1 == "Pss:" { printf "%.1f", $2 / 1024 }' "/proc/$1/smaps_rollup"
}

# One table row: CPU share of one core over the phase, then memory at its end.
sample() {
  local pid=$1 program=$2 phase=$3
  local ticks_before ticks_after start end
  ticks_before=$(cpu_ticks "$pid"); start=$(date +%s%N)
  sleep "$SECONDS_PER_PHASE"
  ticks_after=$(cpu_ticks "$pid"); end=$(date +%s%N)
  kill -0 "$pid" 2>/dev/null || fail "$program ended during its $phase"
  local cpu
  cpu=$(awk -v t=$((ticks_after - ticks_before)) -v hz="$CLOCK_TICKS" -v ns=$((end - start)) \
    'BEGIN { printf "%.1f", 100 * t / hz / (ns / 1e9) }')
  ROWS+=("| $program | $phase | $cpu | $(status_mb "$pid" VmRSS) | $(status_mb "$pid" VmHWM) | $(pss_mb "$pid") |")
  eval "CPU_${program//[^a-zA-Z]/}_${phase//[^a-z]/}=$cpu"
  note "$program, $phase: $cpu % CPU"
}

screen_shows_something() {
  [ "$(xwd -root -silent | convert xwd:- -format '%[fx:maxima>0]' info:)" = 1 ]
}

# Milliseconds from starting the game to the first frame on screen that is not all black:
# the title picture's first steps out of black.
time_to_first_frame() {
  local start
  start=$(date +%s%N)
  (cd "$WORK/run" && exec "$GAME" >/dev/null 2>&1) &
  GAME_PID=$!
  for _ in $(seq 400); do
    if screen_shows_something; then
      echo $((($(date +%s%N) - start) / 1000000))
      end_program
      return
    fi
    sleep 0.01
  done
  fail "the title did not show within the time allowed"
}

# Ends the program measured; one that hangs on its way out is killed outright.
end_program() {
  kill "$GAME_PID" 2>/dev/null
  for _ in $(seq 30); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$GAME_PID" 2>/dev/null
  wait "$GAME_PID" 2>/dev/null
  GAME_PID=
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ROWS=()
start_display
note "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"

cp "$BUILD/korvanta.dat" "$BUILD/patches.dat" "$WORK/run/"
STARTUP_RUNS=()
for run in 1 2 3 4 5; do
  STARTUP_RUNS+=("$(time_to_first_frame)")
  note "start-up run $run: ${STARTUP_RUNS[-1]} ms"
  sleep 0.5
done
STARTUP=$(printf '%s\n' "${STARTUP_RUNS[@]}" | median)

# Korvanta: through the title to both join menus, then Player 1's drag key on the menu's
# first entry starts a one-player game; nothing is pressed while its blocks fall.
start_game
enter_game
sleep 1
shot_phase() { screenshot "$SHOTS/$1.png"; }
shot_phase korvanta-menu
sample "$GAME_PID" Korvanta menu
hold_key 1
sleep 1
shot_phase korvanta-play-start
sample "$GAME_PID" Korvanta play
shot_phase korvanta-play-end
end_program

# LTris with its default settings (a fresh ~/.lgames in the scratch HOME). SDL writes to an
# ALSA device as fast as the device takes it, and the file device above never makes a
# writer wait (it would write gigabytes a minute), so LTris's sound goes to a file through
# SDL's own disk driver, which keeps to the pace of play as Allegro does for Korvanta.
(cd "$WORK/run" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/ltris-sound.raw" \
  exec "$LTRIS" >"$WORK/ltris.out" 2>&1) &
GAME_PID=$!
for _ in $(seq 100); do
  xdotool search --name '^LTris$' >/dev/null 2>&1 && break
  kill -0 "$GAME_PID" 2>/dev/null || fail "LTris ended before opening its window: $(cat "$WORK/ltris.out")"
  sleep 0.1
done
sleep 2
shot_phase ltris-menu
sample "$GAME_PID" LTris menu
# Its main menu: the first Down highlights "New Game", ENTER opens it; five Downs reach
# "Game:", Right turns "Demo" (the computer plays) into "Classic", four Ups go back to
# "Start Game".
for key in Down Return Down Down Down Down Down Right Up Up Up Up Return; do press "$key" 0.25; done
sleep 1
shot_phase ltris-play-start
sample "$GAME_PID" LTris play
shot_phase ltris-play-end
end_program

echo "Measured $(date -u +%Y-%m-%d), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
  "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end;" \
  "${SECONDS_PER_PHASE} s per phase, in a 640x480 Xvfb."
echo
echo "Start-up to the first title frame: $STARTUP ms (median of 5: ${STARTUP_RUNS[*]} ms)."
echo
echo "| program | phase | CPU % of one core | RSS MB | peak RSS MB | PSS MB |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${ROWS[@]}"
echo
awk -v k="$CPU_Korvanta_menu" -v l="$CPU_LTris_menu" 'BEGIN {
  if (l > 0) printf "In the menu Korvanta uses %.2f times the CPU of LTris (the aim: at most 0.5).\n", k / l }'
