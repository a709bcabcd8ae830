# From the join menu, Player 1's "drag block" key (1) starts a one-player game: the level
# count-in shows, then blocks drop into the columns in turn.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game
sleep 1
empty_row13=$(pixel 40 425)
hold_key 1
sleep 1.2
# The level panel stands over the left board at (48, 100).
[ "$(pixel 118 160)" != "$(pixel 483 160)" ] || fail "no level panel on the left board"

# The count-in lasts about 2.7 s; then a block starts about every 1.3 s, column by column.
sleep 7
[ "$(pixel 40 425)" != "$empty_row13" ] || fail "no block landed in column 0"
[ "$(pixel 70 425)" != "$empty_row13" ] || fail "no block landed in column 1"

hold_key Escape
sleep 0.4
hold_key y
expect_clean_exit
