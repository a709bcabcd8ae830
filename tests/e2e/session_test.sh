# A whole run of the real game: the join menu on both halves, music playing, the quit
# question (N goes on, Y leaves), the goodbye screen and exit code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_display
start_game
enter_game
sleep 1.5
# Both join menus stand on the play-screen background: their pictures differ from the empty
# board wells at the same places.
for x in 118 483; do
  [ "$(pixel $x 200)" != "$(pixel $x 30)" ] || fail "no join menu at x $x"
done

# The music plays: the recorded sound is not silence.
sleep 1
expect_sound

# ESC asks; N answers no and the game goes on.
# The question's middle lies over the score panel, which nothing else repaints meanwhile.
QUESTION_MIDDLE=120x50+260+122
screenshot "$WORK/before.png"
hold_key Escape
sleep 0.4
screenshot "$WORK/question.png"
[ "$(region_changes "$WORK/before.png" "$WORK/question.png" $QUESTION_MIDDLE)" -gt 1000 ] ||
  fail "ESC did not show the quit question"
hold_key n
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "N ended the game"
screenshot "$WORK/after.png"
[ "$(region_changes "$WORK/question.png" "$WORK/after.png" $QUESTION_MIDDLE)" -gt 1000 ] ||
  fail "the quit question stayed on screen after N"

# ESC then Y leaves: the goodbye screen, then exit code 0.
hold_key Escape
sleep 0.4
hold_key y
sleep 0.3
kill -0 "$GAME_PID" 2>/dev/null || fail "the goodbye screen did not show"
expect_clean_exit
