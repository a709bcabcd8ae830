# The title screen: its picture comes out of black from the top down, a key hurries the rest
# of the reveal, UP and DOWN move the highlight between the menu's two entries, and ESC
# leaves the game cleanly without playing.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game

# Lit pixels in a region of the screen now.
lit() { screenshot "$WORK/now.png"; count_pixels "$WORK/now.png" "$1" 'r + g + b > 60'; }
TOP=180x140+100+20
BOTTOM=180x140+100+310
MENU=210x66+350+190
for _ in $(seq 30); do
  [ "$(lit $TOP)" -gt 1000 ] && break
  sleep 0.1
done
[ "$(count_pixels "$WORK/now.png" $TOP 'r + g + b > 60')" -gt 1000 ] || fail "the top of the title did not show"
[ "$(count_pixels "$WORK/now.png" $BOTTOM 'r + g + b > 60')" -lt 20 ] &&
  [ "$(count_pixels "$WORK/now.png" $MENU 'r + g + b > 60')" -lt 20 ] ||
  fail "the bottom of the title or the menu showed as soon as the top"

wait_for_title_menu
sleep 0.3
[ "$(lit $BOTTOM)" -gt 1000 ] && [ "$(lit $MENU)" -gt 1000 ] ||
  fail "the bottom of the title or the menu is still dark with the menu's highlight up"

# The highlight (a frame 157 x 36) beside the first entry, then the second, then the first.
highlight_on() { [ "$(pixel 351 $((186 + 43 * $1)))" != "0,0,0" ]; }
highlight_on 0 && ! highlight_on 1 || fail "the highlight is not on the first entry"
press Down 0.4
highlight_on 1 && ! highlight_on 0 || fail "DOWN did not move the highlight to the second entry"
press Up 0.4
highlight_on 0 && ! highlight_on 1 || fail "UP did not move the highlight back to the first entry"

hold_key Escape
expect_clean_exit
