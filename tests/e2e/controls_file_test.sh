# The controls file korvanta.cfg: written with the defaults on a first run, replaced at once
# when its version is not known (with a notice that waits for a key), and obeyed: a file that
# puts Player 1 on mouse1 lets the pointer steer his cursor.
source "$(dirname "$0")/lib.sh" "$@"
CONFIG=$WORK/run/korvanta.cfg
DEFAULTS="1 1 4 23 19 28 29 30 32 82 83 84 85 77 79 81 80 0 0"

write_config() { printf "$(printf '\\%03o' "$@")" > "$CONFIG"; }

# Start-up writes the file just after the window opens.
start_expecting_defaults() {
  start_game
  for _ in $(seq 30); do
    [ "$(file_bytes "$CONFIG")" = "$DEFAULTS" ] && return
    sleep 0.1
  done
  fail "korvanta.cfg holds: $(file_bytes "$CONFIG")"
}

# White pixels in the 30 rows of the screen from y on.
white_in_line() { screenshot "$WORK/now.png"; count_pixels "$WORK/now.png" "640x30+0+$1" 'r + g + b == 765'; }

start_display

# A first run leaves the default controls of 19 bytes and the default table of 110: ten rows
# "..." from 10000 points at level 10 down.
start_expecting_defaults
table=$(file_bytes "$WORK/run/korvanta.hgh")
[ "$(echo $table | wc -w)" = 110 ] &&
  [ "$(echo $table | cut -d' ' -f1-11)" = "46 46 46 16 39 0 0 10 0 0 0" ] || fail "a first run left the table: $table"
stop_game

# Version 2 is replaced by the defaults at once; the notice stays until a key is pressed.
write_config 2 9 9 9
start_expecting_defaults
sleep 2.5
shot config_notice
for y in 200 250 300; do
  [ "$(white_in_line $y)" -gt 100 ] || fail "no notice line at y $y"
done
press space 0.5
enter_game
[ "$(white_in_line 250)" -lt 100 ] || fail "the notice stayed after a key"
[ "$(pixel 118 200)" != "$(pixel 118 30)" ] || fail "no join menu after the notice"
stop_game

# Player 1 on mouse1 starts a game with his drag key; a push of the pointer to the left of
# his cursor moves it one column left.
write_config ${DEFAULTS% 0 0} 1 0
start_game
enter_game
press 1 5
[ "$(cursor_cell)" = "3 10" ] || fail "the cursor does not start at column 3, row 10: $(cursor_cell)"
xdotool mousemove --window "$WINDOW" 20 313
sleep 0.5
[ "$(cursor_cell)" = "2 10" ] || fail "the pointer did not move the cursor left: $(cursor_cell)"
echo "1 passed, 0 failed"
