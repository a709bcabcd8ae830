# The title screen and the control settings: the title's second entry opens the settings, a
# key rebound there is in korvanta.cfg after leaving with ESC, the title menu is back, and its
# first entry leads to the join menus.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game

wait_for_title_menu
sleep 0.5
screenshot "$WORK/title.png"
[ -n "${KORVANTA_SHOTS:-}" ] && cp "$WORK/title.png" "$KORVANTA_SHOTS/title_menu.png"
[ "$(pixel 188 82)" != "0,0,0" ] || fail "the title picture did not show"

# The highlight (a frame 157 x 36) moves from the first entry to the second.
hold_key Down
sleep 0.3
[ "$(pixel 351 229)" != "0,0,0" ] || fail "DOWN did not select the second entry"
[ "$(pixel 351 186)" = "0,0,0" ] || fail "the first entry kept its highlight"

# ENTER opens the settings screen: the rule above the global keys' lines at y 430.
[ "$(pixel 320 430)" = "0,0,0" ] || fail "the title screen has something at the settings' rule"
hold_key Return
sleep 1
[ "$(pixel 320 430)" != "0,0,0" ] || fail "the settings screen did not open"

# Player 1's "turn block right" (row 8) becomes K: down from the device row, the spacer skipped.
for _ in $(seq 7); do
  hold_key Down 0.05
  sleep 0.3
done
[ "$(pixel 190 289)" != "0,0,0" ] || fail "the selection frame is not on turn block right"
hold_key Return 0.05
sleep 0.4
hold_key k 0.05
sleep 0.5

# Player 1's move left (A) is refused on the same field.
hold_key Return 0.05
sleep 0.4
hold_key a 0.05
sleep 0.3
screenshot "$WORK/settings_error.png"
[ -n "${KORVANTA_SHOTS:-}" ] && cp "$WORK/settings_error.png" "$KORVANTA_SHOTS/settings_error.png"
[ "$(pixel 320 430)" != "0,0,0" ] || fail "the settings screen is gone"

# ESC closes the field, keeping K; a second ESC leaves and saves.
sleep 0.5
hold_key Escape 0.05
sleep 0.6
hold_key Escape 0.05
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "leaving the settings ended the game"
cfg_problem=
if [ ! -f "$WORK/run/korvanta.cfg" ]; then
  cfg_problem="no korvanta.cfg after leaving the settings"
else
  size=$(stat -c %s "$WORK/run/korvanta.cfg")
  turn_right=$(od -An -t u1 -j 7 -N 1 "$WORK/run/korvanta.cfg" | tr -d ' ')
  move_left=$(od -An -t u1 -j 1 -N 1 "$WORK/run/korvanta.cfg" | tr -d ' ')
  # Key codes: A is 1, K is 11.
  [ "$size" = 19 ] && [ "$turn_right" = 11 ] && [ "$move_left" = 1 ] ||
    cfg_problem="korvanta.cfg has $size bytes, turn block right $turn_right, move left $move_left"
fi

# The title menu is back with the second entry selected; UP and ENTER lead to the join menus.
[ "$(pixel 320 430)" = "0,0,0" ] || fail "the settings screen stayed after ESC"
[ "$(pixel 351 229)" != "0,0,0" ] || fail "the title menu did not come back on its second entry"
hold_key Up
sleep 0.3
hold_key Return
sleep 1.5
for x in 118 483; do
  [ "$(pixel $x 200)" != "$(pixel $x 30)" ] || fail "no join menu at x $x"
done

hold_key Escape
sleep 0.4
hold_key y
wait_for_exit 6
[ "$EXIT_CODE" = 0 ] || fail "the game exited with $EXIT_CODE"
[ -z "$cfg_problem" ] || fail "$cfg_problem"
echo "1 passed, 0 failed"
