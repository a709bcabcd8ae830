# A one-player game from the join menu: the level count-in, blocks dropping column by column
# until the board, left to itself, overflows; the score reaches a table of zeros, so it takes
# a name, letter by letter, and the name is in korvanta.hgh afterwards. The music still plays.
source "$(dirname "$0")/lib.sh" "$@"
TABLE=$WORK/run/korvanta.hgh
for _ in $(seq 10); do printf '...\0\0\0\0\0\0\0\0'; done > "$TABLE"
start_display
start_game
enter_game
hold_key F3  # the fastest difficulty
empty_row13=$(pixel 40 425)
hold_key 1
# The level panel stands over the left board while the quota is counted in; then blocks drop
# into the columns in turn.
sleep 1.2
[ "$(pixel 118 160)" != "$(pixel 483 160)" ] || fail "no level panel on the left board"
sleep 5
[ "$(pixel 40 425)" != "$empty_row13" ] && [ "$(pixel 70 425)" != "$empty_row13" ] ||
  fail "no blocks landed in columns 0 and 1"

# The game-over picture's red head stands over the board once it has overflowed.
for _ in $(seq 180); do
  [ "$(pixel 45 100 | awk -F, '$1 > 90 && $2 < 60 { print "red" }')" = red ] && break
  sleep 1
done
[ "$(pixel 45 100 | awk -F, '$1 > 90 && $2 < 60 { print "red" }')" = red ] ||
  fail "the game did not end within three minutes"
sleep 2.5  # the name entry opens 50 frames after the game over

# Up raises a letter by one from the space, right moves to the next place: "!\"#".
for presses in 1 2 3; do
  for _ in $(seq "$presses"); do hold_key w 0.1; sleep 0.15; done
  hold_key d 0.1; sleep 0.15
done
hold_key 1 0.1
sleep 1
[ "$(stat -c %s "$TABLE")" = 110 ] || fail "the table file has $(stat -c %s "$TABLE") bytes"
[ "$(head -c 3 "$TABLE")" = '!"#' ] || fail "the table's first name is '$(head -c 3 "$TABLE")'"
expect_sound
hold_key Escape
hold_key y
expect_clean_exit
