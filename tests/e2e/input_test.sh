# In a one-player game the movement keys carry the cursor, the turn key turns the tile
# under it, and the pause key shows the pause picture and takes it away again.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game
hold_key 1
sleep 3.5  # the level count-in

# The cursor frame around cell (c, r) is 42 x 42 at (30c + 19, 30r + 14). The middle of its
# top edge lies where no neighbouring cell's frame reaches.
CURSOR='r > 230 && g > 160 && b > 95 && b < 145'
cursor_at() { [ "$(count_pixels "$1" "18x9+$((30 * $2 + 31))+$((30 * $3 + 14))" "$CURSOR")" -gt 20 ]; }
screenshot "$WORK/before.png"
cursor_at "$WORK/before.png" 3 10 || fail "no cursor on column 3, row 10 when the level starts"
# Each press acts at once; the next one waits for the 6-frame repeat guard.
hold_key d
sleep 0.3
hold_key w
sleep 0.3
screenshot "$WORK/moved.png"
cursor_at "$WORK/moved.png" 4 9 || fail "D and W did not bring the cursor to column 4, row 9"
! cursor_at "$WORK/moved.png" 3 10 || fail "the cursor is still drawn on column 3, row 10"

# Bottom-row cells without their rims, which no cursor frame reaches. A tile that no
# power reaches has no moving pattern: its picture stands still until it is turned.
inside() { echo "24x24+$((30 * $1 + 28))+413"; }
tile_at() { [ "$(count_pixels "$1" "$(inside "$2")" 'r + g + b > 100')" -gt 300 ]; }
unpowered() { [ "$(count_pixels "$1" "$(inside "$2")" 'r - b > 90 || b - r > 90')" = 0 ]; }
# Moves stop at the edges: holding A and S reaches column 0 of the bottom row. From there D
# steps right to the first tile without power.
sleep 4
hold_key a+s 1.2
for column in 0 1 2 3 4 5 6; do
  sleep 0.3
  screenshot "$WORK/unturned.png"
  cursor_at "$WORK/unturned.png" $column 13 || fail "the cursor is not on column $column, row 13"
  tile_at "$WORK/unturned.png" $column && unpowered "$WORK/unturned.png" $column && break
  hold_key d
done
[ $column != 6 ] || fail "no tile without power in the bottom row to turn"
# A straight tile turned twice looks as before: a press that the game saw twice is repeated.
for press in 1 2 3; do
  hold_key 3
  sleep 0.3
  screenshot "$WORK/turned.png"
  [ "$(region_changes "$WORK/unturned.png" "$WORK/turned.png" "$(inside $column)")" -gt 50 ] && break
  [ $press != 3 ] || fail "key 3 did not turn the tile in column $column of the bottom row"
done
cursor_at "$WORK/turned.png" $column 13 || fail "the turn moved the cursor"
for other in 0 1 2 3 4 5; do
  [ $other != $column ] && tile_at "$WORK/unturned.png" $other && unpowered "$WORK/turned.png" $other &&
    [ "$(region_changes "$WORK/unturned.png" "$WORK/turned.png" "$(inside $other)")" != 0 ] &&
    fail "turning column $column changed the tile in column $other"
done

# The pause picture, a blue sign, stands over the board at (81, 170) until the second press.
SIGN='b > r + 60 && b > 100 && g < 120'
hold_key 5
sleep 0.4
screenshot "$WORK/paused.png"
[ "$(count_pixels "$WORK/paused.png" 60x30+90+175 "$SIGN")" -gt 800 ] || fail "no pause picture"
hold_key 5
sleep 0.4
screenshot "$WORK/resumed.png"
[ "$(count_pixels "$WORK/resumed.png" 60x30+90+175 "$SIGN")" -lt 50 ] ||
  fail "the pause picture stayed after the second press"

hold_key Escape
sleep 0.4
hold_key y
wait_for_exit 6
[ "$EXIT_CODE" = 0 ] || fail "the game exited with $EXIT_CODE"
echo "1 passed, 0 failed"
