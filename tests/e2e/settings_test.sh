# The title screen and the control settings: the title's second entry opens the settings, a
# key rebound there is in korvanta.cfg after leaving with ESC, the title menu is back, its
# first entry leads to the join menus, and in the next run the new key moves the cursor.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game

wait_for_title_menu
sleep 0.5
shot title_menu
[ "$(pixel 188 82)" != "0,0,0" ] || fail "the title picture did not show"

# The highlight (a frame 157 x 36) moves from the first entry to the second.
press Down 0.3
[ "$(pixel 351 229)" != "0,0,0" ] && [ "$(pixel 351 186)" = "0,0,0" ] ||
  fail "DOWN did not move the highlight to the second entry"

# ENTER opens the settings screen: the rule above the global keys' lines at y 430.
[ "$(pixel 320 430)" = "0,0,0" ] || fail "the title screen has something at the settings' rule"
press Return 1
[ "$(pixel 320 430)" != "0,0,0" ] || fail "the settings screen did not open"

# Player 1's "move right" (row 3) becomes K: down from the device row, the spacer skipped.
for _ in $(seq 2); do press Down 0.3 0.05; done
[ "$(pixel 190 174)" != "0,0,0" ] || fail "the selection frame is not on move right"
press Return 0.4 0.05
press k 0.5 0.05
# Player 1's move left (A) is refused on the same field; ESC closes it, keeping K, and a
# second ESC leaves and saves.
press Return 0.4 0.05
press a 0.3 0.05
shot settings_error
[ "$(pixel 320 430)" != "0,0,0" ] || fail "the settings screen is gone"
sleep 0.5
press Escape 0.6 0.05
press Escape 1 0.05
kill -0 "$GAME_PID" 2>/dev/null || fail "leaving the settings ended the game"
# The defaults but for move right: K is key code 11.
saved=$(file_bytes "$WORK/run/korvanta.cfg")
[ "$saved" = "1 1 11 23 19 28 29 30 32 82 83 84 85 77 79 81 80 0 0" ] || fail "korvanta.cfg holds: $saved"

# The title menu is back with the second entry selected; UP and ENTER lead to the join menus.
[ "$(pixel 320 430)" = "0,0,0" ] || fail "the settings screen stayed after ESC"
[ "$(pixel 351 229)" != "0,0,0" ] || fail "the title menu did not come back on its second entry"
press Up 0.3
press Return 1.5
for x in 118 483; do
  [ "$(pixel $x 200)" != "$(pixel $x 30)" ] || fail "no join menu at x $x"
done

# The next run reads the file: in a game K moves Player 1's cursor right, D no longer does.
stop_game
start_game
enter_game
press 1 5
press d 0.5
[ "$(cursor_cell)" = "3 10" ] || fail "D still moves the cursor: $(cursor_cell)"
press k 0.5
[ "$(cursor_cell)" = "4 10" ] || fail "K did not move the cursor right: $(cursor_cell)"
echo "1 passed, 0 failed"
