#!/usr/bin/env bash
# Remakes the README's screenshots from the running game, in one go and without a hand on
# the keyboard: the title screen, the control settings and the join menus from the real game
# driven with xdotool, and the two scenes of play staged by stage_scene, all on one private
# Xvfb display. Writes docs/screenshots/{title,join_menu,one_player,versus,settings}.png.
# Usage: tools/readme_screenshots.sh BUILD_DIR
# The game, the stager and the resource files are brought up to date in BUILD_DIR first (it is
# configured when it is new), so that new pictures and sounds show in the screenshots.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# = 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
mkdir -p "$1"
build=$(cd "$1" && pwd)
out=$root/docs/screenshots
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANTA_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target korvanta stage_scene patches >/dev/null

# The end-to-end tests' set-up: a private Xvfb, a HOME whose sound goes to a file, the built
# resource files in a folder of their own, and a clean-up of all of it on exit.
source "$root/tests/e2e/lib.sh" "$build/korvanta" "$build"
mkdir -p "$out" "$WORK/scenes"

# Polls a pixel until the test on its "r,g,b" passes; a screen that never comes is a fault.
wait_for() {
  local what=$1 x=$2 y=$3 test=$4 colour
  for _ in $(seq 60); do
    colour=$(pixel "$x" "$y")
    eval "$test" && return 0
    sleep 0.2
  done
  fail "$what did not show"
}

# Stripped of metadata and packed hard: the screenshots live in the repository.
keep() { convert "$1" -strip -define png:compression-level=9 "$out/$2.png"; }

started=$(date +%s)
start_display
start_game

# The title: its reveal is hurried by a key, and the menu, with its highlight, comes up only
# once the whole picture shows.
wait_for_title_menu
sleep 0.3
screenshot "$WORK/title.png"

# The control settings, from the title's second entry, with the selection moved down to
# Player 1's first key. The rule above the global keys' lines tells that the screen is up.
press Down 0.3
press Return 0.2
wait_for "the control settings screen" 320 430 '[ "$colour" != "0,0,0" ]'
sleep 0.4
press Down 0.2 0.05
wait_for "the selection on move left" 190 151 '[ "$colour" != "0,0,0" ]'
screenshot "$WORK/settings.png"

# Back on the title, its first entry leads to both players' join menus (a menu's highlight
# stands out from the background beside the board).
press Escape 0.2 0.05
wait_for "the title menu again" 320 430 '[ "$colour" = "0,0,0" ]'
wait_for "the title highlight" 351 229 '[ "$colour" != "0,0,0" ]'
press Up 0.3
press Return 0.2
wait_for "the join menus" 118 200 '[ "$colour" != "$(pixel 118 30)" ]'
# Each player chooses on his own: Player 2 moves his selection down to versus.
versus_entry=157x36+402+190
screenshot "$WORK/before.png"
sleep 0.5
press Down 0.4
press Down 0.2
for _ in $(seq 30); do
  screenshot "$WORK/join_menu.png"
  [ "$(region_changes "$WORK/before.png" "$WORK/join_menu.png" $versus_entry)" != 0 ] && break
  sleep 0.2
done
sleep 0.3
screenshot "$WORK/join_menu.png"
stop_game || true  # killed on purpose: its exit status says so

# The scenes of play, in the real game's frames on the same display.
(cd "$WORK/run" && "$build/stage_scene" --readme "$WORK/scenes" >/dev/null 2>"$WORK/stage.err") ||
  fail "stage_scene could not stage the scenes of play: $(grep -v '^ALSA' "$WORK/stage.err")"

for name in title settings join_menu; do keep "$WORK/$name.png" "$name"; done
for name in one_player versus; do keep "$WORK/scenes/$name.png" "$name"; done
echo "made in $(($(date +%s) - started)) s:"
ls -l "$out"/*.png | awk '{ printf "  %7d  %s\n", $5, $NF }'
