# The title screen's demo: left alone on the title menu for 30 seconds, the game plays a
# versus game between two computers on the play screen, with a "demo" sign; the boards
# change as they play. A key ends it and the title menu is back, its highlight on the first
# entry. The demo writes no file.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
wait_for_title_menu
sleep 0.5
shot title
files_before=$(cd "$WORK/run" && ls -l --time-style=+%s.%N korvanta.cfg korvanta.hgh 2>&1 | md5sum)

BOARDS=180x390+25+50
SIGN=70x16+300+456
sign_pixels() { count_pixels "$1" $SIGN 'r > 200 && g > 150 && b < 120'; }

sleep 27
shot before_demo
[ "$(region_changes "$WORK/title.png" "$WORK/before_demo.png" $BOARDS)" -lt 200 ] ||
  fail "the title changed before 30 seconds had passed"

started=0
for _ in $(seq 40); do
  shot demo
  [ "$(sign_pixels "$WORK/demo.png")" -gt 20 ] && started=1 && break
  sleep 0.25
done
[ $started = 1 ] || fail "no demo sign after 30 seconds without input"
sleep 4
shot demo_later
[ "$(region_changes "$WORK/demo.png" "$WORK/demo_later.png" 180x400+25+20)" -gt 300 ] ||
  fail "the left board did not change in the demo"
[ "$(region_changes "$WORK/demo.png" "$WORK/demo_later.png" 180x400+390+20)" -gt 300 ] ||
  fail "the right board did not change in the demo"

hold_key space
sleep 1
shot after
[ "$(pixel 351 186)" != "0,0,0" ] || fail "the title menu's highlight is not back on the first entry"
[ "$(sign_pixels "$WORK/after.png")" -lt 5 ] || fail "the demo sign is still showing"
[ "$(cd "$WORK/run" && ls -l --time-style=+%s.%N korvanta.cfg korvanta.hgh 2>&1 | md5sum)" = "$files_before" ] ||
  fail "the demo wrote a file"

hold_key Escape
expect_clean_exit
