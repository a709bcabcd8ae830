#!/usr/bin/env bash
# The game's start-up time, CPU use and memory, beside LTris (Debian's `ltris`, another
# falling-blocks game) run the same way in the same run, so that a busy machine weighs on
# both. The X server's CPU is counted beside each program's, since a player's machine pays
# for both.
# Usage: tools/measure_footprint.sh BUILD_DIR [SECONDS] [--display WxH] [--scale N[,N...]]
#   (from the repository's top). SECONDS per phase (default 10); --display the Xvfb screen
#   (default 640x480); --scale the window factors to measure in turn (default: the game's own
#   choice for that screen). Start-up is timed in a 640x480 Xvfb of its own either way.
# Needs what the end-to-end tests need, and `apt-get install ltris` for the comparison only.
# Prints a markdown table on stdout; progress goes to stderr, screenshots of every phase to
# $FOOTPRINT_SHOTS (default /tmp/korvanta-footprint) to check that each phase was reached.
set -u
usage() { echo "usage: $0 BUILD_DIR [SECONDS] [--display WxH] [--scale N[,N...]]" >&2; exit 2; }
[ $# -ge 1 ] || usage
BUILD=$(cd "$1" && pwd) || usage
shift
SECONDS_PER_PHASE=10
DISPLAY_SIZE=640x480
SCALES=(choice)
while [ $# -gt 0 ]; do
  case $1 in
  --display) DISPLAY_SIZE=${2:-}; shift 2 || usage ;;
  --scale) IFS=, read -r -a SCALES <<<"${2:-}"; shift 2 || usage ;;
  [0-9]*) SECONDS_PER_PHASE=$1; shift ;;
  *) usage ;;
  esac
done
[[ $DISPLAY_SIZE =~ ^[0-9]+x[0-9]+$ ]] || usage
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

# A share of one core from clock ticks over nanoseconds.
cpu_share() {
  awk -v t="$1" -v hz="$CLOCK_TICKS" -v ns="$2" 'BEGIN { printf "%.1f", 100 * t / hz / (ns / 1e9) }'
}

# One table row: the CPU share of one core of the program and of the X server over the
# phase, then the program's memory at its end. The sum is kept as CPU_<program>_<phase>.
sample() {
  local pid=$1 program=$2 scale=$3 phase=$4
  local ticks_before x_before ticks_after x_after start end
  ticks_before=$(cpu_ticks "$pid"); x_before=$(cpu_ticks "$XVFB_PID"); start=$(date +%s%N)
  sleep "$SECONDS_PER_PHASE"
  ticks_after=$(cpu_ticks "$pid"); x_after=$(cpu_ticks "$XVFB_PID"); end=$(date +%s%N)
  kill -0 "$pid" 2>/dev/null || fail "$program ended during its $phase"
  local cpu x_cpu both
  cpu=$(cpu_share $((ticks_after - ticks_before)) $((end - start)))
  x_cpu=$(cpu_share $((x_after - x_before)) $((end - start)))
  both=$(awk -v a="$cpu" -v b="$x_cpu" 'BEGIN { printf "%.1f", a + b }')
  ROWS+=("| $program | $scale | $phase | $cpu | $x_cpu | $both | $(status_mb "$pid" VmRSS) | $(status_mb "$pid" VmHWM) | $(pss_mb "$pid") |")
  eval "CPU_${program}${scale}_${phase//[^a-z]/}=$both"
  eval "GAME_CPU_${program}${scale}_${phase//[^a-z]/}=$cpu"
  note "$program $scale, $phase: $cpu % CPU, X server $x_cpu %"
}

# The game's --scale argument for a factor, none for the game's own choice.
scale_args() { [ "$1" = choice ] || echo "--scale $1"; }

# The window the game draws in, as "id factor left top": in a window or full screen (where
# the library centres it in a black window over the whole screen), it is 640 x 480 times the
# factor. Empty while there is none.
picture_window() {
  xwininfo -root -tree 2>/dev/null |
    awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-][0-9]+[+-][0-9]+$/) {
             split($i, size, /[x+-]/)
             factor = size[1] / 640
             if (factor >= 1 && factor <= 3 && factor == int(factor) && size[2] == 480 * factor) {
               split($(i + 1), at, /[+]/)
               print $1, factor, at[2], at[3]; exit
             }
           } }'
}

screen_shows_something() {
  [ "$(xwd -root -silent | convert xwd:- -format '%[fx:maxima>0]' info:)" = 1 ]
}

# Milliseconds from starting the game to the first frame on screen that is not all black
# (the title picture's first steps out of black), in FIRST_FRAME_MS.
time_to_first_frame() {
  local start
  start=$(date +%s%N)
  (cd "$WORK/run" && exec "$GAME" >/dev/null 2>&1) &
  GAME_PID=$!
  for _ in $(seq 400); do
    if screen_shows_something; then
      FIRST_FRAME_MS=$((($(date +%s%N) - start) / 1000000))
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

shot_phase() { screenshot "$SHOTS/$1.png"; }

# Korvanta at one factor: through the title to both join menus, then Player 1's drag key on
# the menu's first entry starts a one-player game; nothing is pressed while its blocks fall.
# The title menu's highlight is looked for in the window, at the factor's place.
measure_korvanta() {
  # shellcheck disable=SC2046
  start_game $(scale_args "$1")
  local factor left top
  read -r _ factor left top < <(picture_window)
  [ -n "$factor" ] || fail "no window of the game's picture"
  # Keys go to the window under the pointer, and a large screen's middle may lie outside it.
  xdotool mousemove $((left + 320 * factor)) $((top + 240 * factor))
  hold_key space
  local lit=
  for _ in $(seq 50); do
    [ "$(pixel $((left + 351 * factor)) $((top + 186 * factor)))" != "0,0,0" ] && lit=1 && break
    sleep 0.2
  done
  [ -n "$lit" ] || fail "the title menu did not show at factor $factor"
  hold_key Return
  sleep 2
  shot_phase "korvanta-x$factor-menu"
  sample "$GAME_PID" Korvanta "$factor" menu
  hold_key 1
  sleep 1
  shot_phase "korvanta-x$factor-play-start"
  sample "$GAME_PID" Korvanta "$factor" play
  shot_phase "korvanta-x$factor-play-end"
  end_program
  SCALES_MEASURED+=("$factor")
}

# LTris with its default settings (a fresh ~/.lgames in the scratch HOME). SDL writes to an
# ALSA device as fast as the device takes it, and the file device above never makes a
# writer wait (it would write gigabytes a minute), so LTris's sound goes to a file through
# SDL's own disk driver, which keeps to the pace of play as Allegro does for Korvanta.
measure_ltris() {
  (cd "$WORK/run" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/ltris-sound.raw" \
    exec "$LTRIS" >"$WORK/ltris.out" 2>&1) &
  GAME_PID=$!
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --name '^LTris$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "LTris ended before opening its window: $(cat "$WORK/ltris.out")"
    sleep 0.1
  done
  sleep 2
  xdotool mousemove --window "$window" 320 240
  shot_phase ltris-menu
  sample "$GAME_PID" LTris 1 menu
  # Its main menu: the first Down highlights "New Game", ENTER opens it; five Downs reach
  # "Game:", Right turns "Demo" (the computer plays) into "Classic", four Ups go back to
  # "Start Game".
  for key in Down Return Down Down Down Down Down Right Up Up Up Up Return; do press "$key" 0.25; done
  sleep 1
  shot_phase ltris-play-start
  sample "$GAME_PID" LTris 1 play
  shot_phase ltris-play-end
  end_program
}

ROWS=()
SCALES_MEASURED=()
note "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"

# Start-up is timed in a 640 x 480 display of its own, where reading the whole screen is quick.
start_display 640x480
cp "$BUILD/korvanta.dat" "$BUILD/patches.dat" "$WORK/run/"
STARTUP_RUNS=()
for run in 1 2 3 4 5; do
  time_to_first_frame
  STARTUP_RUNS+=("$FIRST_FRAME_MS")
  note "start-up run $run: ${STARTUP_RUNS[-1]} ms"
  sleep 0.5
done
STARTUP=$(printf '%s\n' "${STARTUP_RUNS[@]}" | median)
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null

start_display "$DISPLAY_SIZE"
for scale in "${SCALES[@]}"; do measure_korvanta "$scale"; done
measure_ltris

echo "Measured $(date -u +%Y-%m-%d), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
  "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end;" \
  "${SECONDS_PER_PHASE} s per phase, in a ${DISPLAY_SIZE} Xvfb."
echo
echo "Start-up to the first title frame, in a 640x480 Xvfb: $STARTUP ms (median of 5: ${STARTUP_RUNS[*]} ms)."
echo
echo "| program | factor | phase | CPU % of one core | X server % | both % | RSS MB | peak RSS MB | PSS MB |"
echo "|---|---|---|---|---|---|---|---|---|"
printf '%s\n' "${ROWS[@]}"
echo

# The ratios asked of presenting: each factor against factor 1 (when measured), and each
# factor's menu against LTris's, the X server counted with each program.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
for factor in "${SCALES_MEASURED[@]}"; do
  line="Factor $factor:"
  for phase in menu play; do
    base=CPU_Korvanta1_$phase this=CPU_Korvanta${factor}_$phase
    [ "$factor" != 1 ] && [ -n "${!base:-}" ] &&
      line+=" $phase $(ratio "${!this}" "${!base}") times factor 1;"
  done
  menu=CPU_Korvanta${factor}_menu game=GAME_CPU_Korvanta${factor}_menu
  line+=" menu $(ratio "${!menu}" "$CPU_LTris1_menu") times LTris's with the X server"
  line+=" ($(ratio "${!game}" "$GAME_CPU_LTris1_menu") without; the aim: at most 0.5)."
  echo "$line"
done
