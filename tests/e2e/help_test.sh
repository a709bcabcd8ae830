# How to play: in the join menus, left alone, each menu names its confirm key under it; F4
# covers the screen with the help pages, Right turns to the next page, and ESC brings the
# menus back whole, without the quit question. The game then quits as usual.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game

# The centre column of the play screen does not move while both players watch their menus;
# the quit question would stand over it.
centre=150x440+245+20
below_menu=200x40+15+380
shot menus
sleep 4.5
shot idle
[ "$(region_changes "$WORK/menus.png" "$WORK/idle.png" $below_menu)" -gt 100 ] ||
  fail "no hint under Player 1's idle menu"

press F4 0.8
shot first_page
[ "$(region_changes "$WORK/idle.png" "$WORK/first_page.png" 640x480+0+0)" -gt 100000 ] ||
  fail "F4 did not cover the screen with the help pages"
press Right 0.5
shot second_page
[ "$(region_changes "$WORK/first_page.png" "$WORK/second_page.png" 600x380+20+45)" -gt 5000 ] ||
  fail "Right did not turn the page"

press Escape 1
shot back
[ "$(region_changes "$WORK/idle.png" "$WORK/back.png" $centre)" = 0 ] ||
  fail "the menus' screen did not come back whole after ESC (or ESC asked whether to quit)"
kill -0 "$GAME_PID" 2>/dev/null || fail "closing the pages ended the game"

hold_key Escape
hold_key y
expect_clean_exit
