# The join menus start the games for two. Player 2 (arrow keys, Delete) cannot start one while
# Player 1 plays alone: "not possible ..." shows under his menu and nothing starts. With both
# in their menus, his "two players" starts both boards with the level count-in and the same
# blocks, his "versus" starts both at once, without a level. Player 1's "high scores" shows
# the table on his half until a key of his. The music plays throughout.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game

# Each half's menu over its second and third entries, which no highlight covers while the
# first or fourth entry is selected; the right menu's last two entries; and the place under
# the right menu where the refusal is written.
LEFT_MENU=150x56+45+162
RIGHT_MENU=150x56+410+162
RIGHT_MENU_END=150x60+410+228
UNDER_RIGHT_MENU=170x45+398+325
# The level's number in the score panel, for Player 1 and Player 2: blank in a versus game.
level_shown() { count_pixels "$1" "46x16+318+$((101 + 230 * $2))" 'r + g + b > 400'; }
# Whether both boards hold the same blocks in a screenshot: their preview rows look alike
# and the same cells hold tiles. (Powered tiles' moving patterns and the cursors'
# animations need not keep step between the boards.)
same_boards() {
  convert "$1" -crop 180x30+25+20 +repage "$WORK/left.png"
  convert "$1" -crop 180x30+390+20 +repage "$WORK/right.png"
  [ "$(compare -metric AE "$WORK/left.png" "$WORK/right.png" null: 2>&1 >/dev/null)" -lt 50 ] &&
    [ "$(board_cells "$1" 0 1)" = "$(board_cells "$1" 1 1)" ]
}
# The same, in one of three screenshots taken 0.1 s apart: a frame is presented as the
# rectangles that changed, one after the other, so a screenshot may fall between the two
# boards' rectangles of one frame.
same_boards_soon() {
  for _ in 1 2 3; do
    screenshot "$1"
    same_boards "$1" && return 0
    sleep 0.1
  done
  return 1
}
# Both players hold their pause keys: the sixth toggle in a row leaves the game.
both_leave() { xdotool keydown 5 keydown Prior sleep 2.5 keyup Prior keyup 5; sleep 0.5; }

shot menus
press 1 0.5
press Down 0.4
shot before_refusal
press Delete 0.5
shot refused
[ "$(region_changes "$WORK/before_refusal.png" "$WORK/refused.png" $UNDER_RIGHT_MENU)" -gt 300 ] ||
  fail "no refusal under Player 2's menu while Player 1 plays"
sleep 1
shot alone
[ "$(region_changes "$WORK/menus.png" "$WORK/alone.png" $RIGHT_MENU_END)" -lt 100 ] ||
  fail "Player 2's menu went away although his game was refused"

# Player 1 leaves his game; the refusal is over, and Player 2 starts a game for two.
hold_key 5 2.5
sleep 1.5
press Delete 1.5
shot two_players
for player in 0 1; do
  [ "$(level_shown "$WORK/two_players.png" $player)" -gt 15 ] ||
    fail "no level shown for player $((player + 1)) in a game for two"
done
[ "$(region_changes "$WORK/menus.png" "$WORK/two_players.png" $LEFT_MENU)" -gt 2000 ] ||
  fail "Player 1's board did not start in a game for two"
sleep 4
shot two_players_blocks
[ "$(board_tiles "$WORK/two_players_blocks.png" 0 1)" -gt 0 ] || fail "no blocks in a game for two"
same_boards_soon "$WORK/two_players_blocks.png" ||
  fail "the two boards differ in a game for two"

# Back in the menus on their first entries, Player 2 goes two entries down and starts a
# versus game: no level, blocks landing at once on both boards, the same on both.
both_leave
press Down 0.4
press Down 0.4
press Delete 1.5
shot versus
for player in 0 1; do
  [ "$(level_shown "$WORK/versus.png" $player)" -lt 5 ] ||
    fail "a level is shown for player $((player + 1)) in a versus game"
done
sleep 2
shot versus_blocks
[ "$(board_tiles "$WORK/versus_blocks.png" 0 1)" -gt 0 ] || fail "no blocks in a versus game"
same_boards_soon "$WORK/versus_blocks.png" || fail "the two boards differ in a versus game"

# Player 1's fourth entry shows the table on his half only; his key W takes it away once it
# has stood for a second.
both_leave
for _ in 1 2 3; do press s 0.35; done
shot before_table
press 1 0.6
shot table
[ "$(region_changes "$WORK/before_table.png" "$WORK/table.png" $LEFT_MENU)" -gt 2000 ] ||
  fail "the high-score table did not show on Player 1's half"
[ "$(region_changes "$WORK/before_table.png" "$WORK/table.png" $RIGHT_MENU)" -lt 100 ] ||
  fail "Player 2's menu changed while Player 1 looks at the table"
sleep 1
press w 0.6
shot after_table
[ "$(region_changes "$WORK/before_table.png" "$WORK/after_table.png" $LEFT_MENU)" -lt 100 ] ||
  fail "Player 1's menu did not come back after the table"
expect_sound
echo "1 passed, 0 failed"
