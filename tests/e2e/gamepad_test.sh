# A pad plugged into the running game (SDL's virtual joystick, from the pad driver that runs the
# real game in its own process): its A chooses "play" on the title, it steers Player 2's join
# menu (his controls file gives him gamepad 1) and starts his game, moves his cursor with the
# d-pad and the stick and turns a tile with X. Pulled out, it pauses his game under the pause
# picture; plugged back, Start resumes it.
source "$(dirname "$0")/lib.sh" "$@"
GAME=$BUILD_DIR/tests/korvanta_pad_driver
start_display
# The default keys, Player 1 on the keyboard, Player 2 on gamepad 1.
printf "$(printf '\\%03o' 1 1 4 23 19 28 29 30 32 82 83 84 85 77 79 81 80 0 7)" > "$WORK/run/korvanta.cfg"
mkfifo "$WORK/pad"
export KORVANTA_PAD_COMMANDS=$WORK/pad
start_game
exec 3>"$WORK/pad"

# Sends a command to the driver and waits until it has been carried out.
pad() {
  local before
  before=$(grep -c '^done' "$WORK/stdout")
  echo "$*" >&3
  for _ in $(seq 100); do
    [ "$(grep -c '^done' "$WORK/stdout")" -gt "$before" ] && return 0
    sleep 0.05
  done
  fail "the pad driver did not carry out: $*"
}

RIGHT_MENU=150x180+410+115  # Player 2's menu entries
SECOND_ENTRY=170x18+398+166  # the middle of his "two players", where its highlight's sides show
LEFT_MENU=150x120+45+168  # Player 1's entries below his pulsing highlight
pad attach
wait_for_title_menu
shot title
pad press a 150
sleep 1
shot menus
[ "$(region_changes "$WORK/title.png" "$WORK/menus.png" 640x480+0+0)" -gt 20000 ] ||
  fail "the pad's A did not choose play on the title"

pad press down 150
sleep 0.3
shot stepped
[ "$(region_changes "$WORK/menus.png" "$WORK/stepped.png" $SECOND_ENTRY)" -gt 50 ] ||
  fail "the d-pad did not step Player 2's menu"
pad press up 150
sleep 0.3
shot back
[ "$(region_changes "$WORK/menus.png" "$WORK/back.png" $SECOND_ENTRY)" -lt 10 ] ||
  fail "up did not bring Player 2's selection back to one player"
pad press a 150
sleep 3.5  # the level count-in
shot started
[ "$(region_changes "$WORK/menus.png" "$WORK/started.png" $RIGHT_MENU)" -gt 2000 ] ||
  fail "A did not start Player 2's game"
[ "$(region_changes "$WORK/menus.png" "$WORK/started.png" $LEFT_MENU)" -lt 300 ] ||
  fail "Player 1's menu changed"

# Player 2's cursor frame around cell (c, r): the middle of its top edge.
CURSOR='r > 230 && g > 160 && b > 95 && b < 145'
cursor_at() { [ "$(count_pixels "$1" "18x9+$((365 + 30 * $2 + 31))+$((30 * $3 + 14))" "$CURSOR")" -gt 20 ]; }
cursor_at "$WORK/started.png" 3 10 || fail "no cursor on Player 2's column 3, row 10"
pad press right 150
pad stick 0 -30000 150
sleep 0.3
shot moved
cursor_at "$WORK/moved.png" 4 9 || fail "the d-pad and the stick did not move the cursor to column 4, row 9"

# Holding the stick down and left reaches column 0 of the bottom row; from there the d-pad steps
# right to a tile without power, whose picture stands still until X turns it.
inside() { echo "24x24+$((365 + 30 * $1 + 28))+413"; }
sleep 4
pad stick -30000 30000 1200
turned=
for column in 0 1 2 3 4 5; do
  sleep 0.3
  shot unturned
  sleep 0.2
  shot still
  if [ "$(count_pixels "$WORK/unturned.png" "$(inside $column)" 'r + g + b > 100')" -gt 300 ] &&
    [ "$(region_changes "$WORK/unturned.png" "$WORK/still.png" "$(inside $column)")" = 0 ]; then
    pad press x 150
    sleep 0.3
    shot turned
    [ "$(region_changes "$WORK/still.png" "$WORK/turned.png" "$(inside $column)")" -gt 50 ] && turned=yes
    break
  fi
  pad press right 150
done
[ -n "$turned" ] || fail "X did not turn a tile of Player 2's bottom row"

# The pause picture, a blue sign, stands over Player 2's board at (446, 170).
sign() { shot "$1"; count_pixels "$WORK/$1.png" 60x30+455+175 'b > r + 60 && b > 100 && g < 120'; }
pad detach
sleep 0.4
[ "$(sign unplugged)" -gt 800 ] || fail "pulling the pad out did not pause Player 2's game"
pad attach
sleep 0.4
[ "$(sign replugged)" -gt 800 ] || fail "the game resumed before Start was pressed"
pad press start 150
sleep 0.4
[ "$(sign resumed)" -lt 50 ] || fail "Start did not resume Player 2's game"
stop_game
echo "1 passed, 0 failed"
