# The window at twice the size: --help names the option, --scale 2 on a large desktop opens a
# 1280 x 960 window showing every game pixel as a 2 x 2 square, and the mouse, read in game
# pixels, steers Player 1's join menu one entry per push as at the normal size; full screen
# and back show the whole picture at once.
source "$(dirname "$0")/lib.sh" "$@"

# The command line is read before the library starts: no display is needed.
usage=$("$GAME" --help) || fail "--help did not exit with 0"
grep -q -- "--scale N" <<<"$usage" || fail "--help does not name --scale N: $usage"
"$GAME" --scale 4 2>"$WORK/refused"
[ $? = 2 ] && grep -q "scale" "$WORK/refused" || fail "--scale 4 was not refused with exit code 2"

start_display 1600x1200
# Player 1 on mouse1, the other controls as by default.
printf "$(printf '\\%03o' 1 1 4 23 19 28 29 30 32 82 83 84 85 77 79 81 80 1 0)" > "$WORK/run/korvanta.cfg"
start_game --scale 2

geometry=$(xdotool getwindowgeometry "$WINDOW")
grep -q "Geometry: 1280x960" <<<"$geometry" || fail "the window is not 1280 x 960: $geometry"
read -r LEFT TOP < <(sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p' <<<"$geometry")

# The screen pixel at the top-left of game pixel (x, y)'s square.
game_pixel() { pixel $((LEFT + 2 * $1)) $((TOP + 2 * $2)); }

# The title menu's highlight beside its first entry, at twice its coordinates, whole squares.
wait_for_title_menu "$LEFT" "$TOP" 2
shot scaled_title
[ "$(game_pixel 351 186)" != "0,0,0" ] || fail "no highlight at twice its place"
corner=$(pixel $((LEFT + 703)) $((TOP + 373)))
[ "$corner" = "$(game_pixel 351 186)" ] || fail "a game pixel is not a 2 x 2 square"

# The entries of Player 1's join menu under the bright inner line of the highlight.
lit_entries() {
  screenshot "$WORK/join.png"
  for entry in 0 1 2 3 4; do
    convert "$WORK/join.png" -crop "1x1+$((LEFT + 76))+$((TOP + 2 * (142 + 33 * entry)))" -depth 8 txt:- |
      sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
      awk -v entry=$entry '$1 + $2 + $3 > 350 { printf "%d ", entry }'
  done
}

# The library follows the pointer's travel, not where it lies: a push of 16 screen pixels is
# 8 game pixels past the entry, a step; one of 4 stays within the menu's dead zone of 2.
push() { xdotool mousemove_relative -- 0 "$1"; sleep 0.6; }
hold_key Return
sleep 1.5
[ "$(lit_entries)" = "0 " ] || fail "the join menu does not rest on its first entry: $(lit_entries)"
push 4
[ "$(lit_entries)" = "0 " ] || fail "2 game pixels moved the highlight: $(lit_entries)"
push 16
[ "$(lit_entries)" = "1 " ] || fail "a push down did not move to the second entry: $(lit_entries)"
push 16
[ "$(lit_entries)" = "2 " ] || fail "a second push did not move to the third entry: $(lit_entries)"
push -16
shot scaled_join_menu
[ "$(lit_entries)" = "1 " ] || fail "a push up did not move back to the second entry: $(lit_entries)"

# F2 gives full screen, where the library centres the 640 x 480 picture on the display, and
# F2 again the window: each new screen shows the whole picture, not only what changed since
# the mode was set. The menus' lamps and highlight move meanwhile: about one game pixel in a
# hundred differs, and a tenth is allowed.
game_picture() {
  screenshot "$WORK/$1.png"
  convert "$WORK/$1.png" -crop "$2" +repage -sample '640x480!' "$WORK/$1_game.png"
}
same_picture() {
  local changed
  changed=$(region_changes "$WORK/$1_game.png" "$WORK/$2_game.png" 640x480+0+0)
  awk -v n="$changed" 'BEGIN { exit !(n < 30000) }' || fail "$3: $changed of 307200 game pixels differ"
}
game_picture windowed "1280x960+$LEFT+$TOP"
hold_key F2
sleep 1.5
game_picture full_screen 640x480+480+360
same_picture windowed full_screen "full screen does not show the window's picture"
hold_key F2
sleep 1.5
geometry=$(xdotool getwindowgeometry "$WINDOW")
grep -q "Geometry: 1280x960" <<<"$geometry" || fail "F2 twice did not give back the window: $geometry"
game_picture windowed_again "1280x960+$LEFT+$TOP"
same_picture windowed windowed_again "the window again does not show the picture it showed"
echo "1 passed, 0 failed"
