# A one-player game played for a while: the movement keys carry the cursor, with the drag key
# held they carry the tile under it along, the turn key turns a tile, blocks keep landing, and
# the pause key stops the game under the pause picture until its second press. The music
# plays throughout.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game
press 1 3.5  # the level count-in

# The cursor frame around cell (c, r) is 42 x 42 at (30c + 19, 30r + 14). The middle of its
# top edge lies where no neighbouring cell's frame reaches.
CURSOR='r > 230 && g > 160 && b > 95 && b < 145'
cursor_at() { [ "$(count_pixels "$1" "18x9+$((30 * $2 + 31))+$((30 * $3 + 14))" "$CURSOR")" -gt 20 ]; }
screenshot "$WORK/before.png"
cursor_at "$WORK/before.png" 3 10 || fail "no cursor on column 3, row 10 when the level starts"
# Each press acts at once; the next one waits for the 6-frame repeat guard.
press d 0.3
press w 0.3
screenshot "$WORK/moved.png"
cursor_at "$WORK/moved.png" 4 9 && ! cursor_at "$WORK/moved.png" 3 10 ||
  fail "D and W did not bring the cursor from column 3, row 10 to column 4, row 9"

# Holding the drag key while moving right carries the tile under the cursor into the empty
# cell beside it. Blocks land column by column, so the cursor waits on column 4 of the bottom
# row for its tile, whose right neighbour stays empty until the next block lands there; a try
# that loses that race is made again a row higher.
live_tile_at() {
  xwd -root -silent | convert xwd:- -crop "24x24+$((30 * $1 + 28))+$((30 * $2 + 23))" -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $3 + $4 + $5 > 100 { n++ } END { exit n > 300 ? 0 : 1 }'
}
hold_key s 1.2
dragged=
for row in 13 12 11; do
  [ "$(cursor_cell)" = "4 $row" ] || fail "the cursor is not on column 4, row $row: $(cursor_cell)"
  for _ in $(seq 40); do live_tile_at 4 $row && break; sleep 0.1; done
  sleep 0.1  # the block has landed
  xdotool keydown 1 sleep 0.1 keydown d sleep 0.15 keyup d sleep 0.05 keyup 1
  sleep 0.3
  screenshot "$WORK/dragged.png"
  [ "$(cursor_cell)" = "5 $row" ] || fail "the cursor did not move right with the drag key held"
  tile_at "$WORK/dragged.png" 5 $row || fail "the tile was not dragged from column 4, row $row"
  ! tile_at "$WORK/dragged.png" 4 $row && dragged=yes && break
  press a 0.25
  press w 0.25
done
[ -n "$dragged" ] || fail "no tile could be dragged"

# Bottom-row cells without their rims, which no cursor frame reaches. A tile that no
# power reaches has no moving pattern: its picture stands still until it is turned.
inside() { echo "24x24+$((30 * $1 + 28))+413"; }
unpowered() {
  sleep 0.2
  screenshot "$WORK/still.png"
  [ "$(region_changes "$1" "$WORK/still.png" "$(inside "$2")")" = 0 ]
}
changed() { [ "$(region_changes "$1" "$2" "$(inside "$3")")" -gt "$4" ]; }
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
for try in 1 2 3; do
  press 3 0.3
  screenshot "$WORK/turned.png"
  changed "$WORK/unturned.png" "$WORK/turned.png" $column 50 && break
  [ $try != 3 ] || fail "key 3 did not turn the tile in column $column of the bottom row"
done

# The pause picture, a blue sign, stands over the board at (81, 170) until the second press.
# Meanwhile no block lands: the rows below the sign keep their tiles; once resumed, blocks
# land again.
sign() { screenshot "$WORK/pause.png"; count_pixels "$WORK/pause.png" 60x30+90+175 'b > r + 60 && b > 100 && g < 120'; }
lower_tiles() { screenshot "$WORK/board.png"; board_tiles "$WORK/board.png" 0 7; }
press 5 0.4
[ "$(sign)" -gt 800 ] || fail "no pause picture"
paused_tiles=$(lower_tiles)
for _ in 1 2; do
  sleep 1.2
  [ "$(lower_tiles)" = "$paused_tiles" ] || fail "a block landed during the pause"
done
press 5 0.4
[ "$(sign)" -lt 50 ] || fail "the pause picture stayed after the second press"
for _ in $(seq 10); do
  [ "$(lower_tiles)" -gt "$paused_tiles" ] && break
  sleep 0.5
done
[ "$(lower_tiles)" -gt "$paused_tiles" ] || fail "no block landed after the pause"
expect_sound
echo "1 passed, 0 failed"
