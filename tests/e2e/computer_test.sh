# Versus against the computer: the controls file makes Player 2 the hard computer. Player 1
# starts versus from his menu and then presses nothing: within two minutes the computer's
# score rises, Player 1's board overflows, the loser picture ("lose", red) shows on his half
# while the winner picture ("win!", gold) shows on the computer's, and both come back to
# their menus.
source "$(dirname "$0")/lib.sh" "$@"
start_display
printf "$(printf '\\%03o' 1 1 4 23 19 28 29 30 32 82 83 84 85 77 79 81 80 0 6)" > "$WORK/run/korvanta.cfg"
start_game
enter_game

SCORE_2=90x20+262+298       # the computer's score in the centre column
LEFT_MENU=150x56+45+162     # Player 1's menu over its second and third entries
LOSER_AREA=70x320+80+150    # where the loser picture sinks on Player 1's half
WINNER_AREA=70x230+445+0    # where the winner picture rises on Player 2's half
red_words() { count_pixels "$1" $LOSER_AREA 'r > 200 && g < 90 && b < 90'; }
gold_words() { count_pixels "$1" $WINNER_AREA 'r > 220 && g > 170 && b < 90'; }

shot menus
press s 0.4
press s 0.4
press 1 1.5
shot started
[ "$(region_changes "$WORK/menus.png" "$WORK/started.png" $LEFT_MENU)" -gt 2000 ] ||
  fail "Player 1's versus did not start"

scored=0 pictures=0 back=0
end=$(($(date +%s) + 120))
while [ "$(date +%s)" -lt $end ]; do
  screenshot "$WORK/now.png"
  [ $scored = 0 ] && [ "$(region_changes "$WORK/started.png" "$WORK/now.png" $SCORE_2)" -gt 20 ] &&
    scored=1 && cp "$WORK/now.png" "$WORK/scored.png"
  if [ $pictures = 0 ] && [ "$(red_words "$WORK/now.png")" -gt 30 ] &&
    [ "$(gold_words "$WORK/now.png")" -gt 30 ]; then
    pictures=1
    cp "$WORK/now.png" "$WORK/pictures.png"
  fi
  if [ $pictures = 1 ] && [ "$(region_changes "$WORK/menus.png" "$WORK/now.png" $LEFT_MENU)" -lt 300 ]; then
    back=1
    break
  fi
  sleep 0.2
done
[ -n "${KORVANTA_SHOTS:-}" ] && cp "$WORK"/{scored,pictures,now}.png "$KORVANTA_SHOTS/" 2>/dev/null
[ $scored = 1 ] || fail "the computer's score did not rise"
[ $pictures = 1 ] || fail "the loser and winner pictures did not show"
[ $back = 1 ] || fail "the players did not come back to their menus"

stop_game
echo "1 passed, 0 failed"
