#include "tests/support/game_state.h"

#include <cstring>

#include "board/board.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "control/input.h"
#include "state/game_state.h"

// The board's own reset lays the cells at their places; what it draws at random (the lamps'
// shots, the preview row) is then replaced by a quiet, fixed start.
void reset_game_state()
{
  game_mode = MODE_ONE_PLAYER;
  difficulty = 1;
  current_player = 0;
  reset_control_bindings();
  last_wheel_position = 0;
  memset(lamp_carriers, 0, sizeof lamp_carriers);
  memset(mouse_move_request, 0, sizeof mouse_move_request);
  for (int player = 0; player < 2; player++) {
    PlayerSlot &slot = player_slots[player] = PlayerSlot{};
    slot.drop_interval = 20;
    reset_board(player, true);
    for (int column = 0; column < BOARD_COLUMNS; column++) board[player][column][0].kind = TILE_EMPTY;
    for (RowLamp &lamp : row_lamps[player]) lamp = {0, LAMP_DARK, 0, 3};
    slot.state = STATE_PLAYING;
    slot.cursor_column = 3;
    slot.cursor_row = 10;
    falling_blocks[player] = {0, 1, 0, 0, 0, 0, 25};
    powered_count[player] = input_delay[player] = pause_run[player] = 0;
    menu_selection[player] = 2;
  }
}

void lay_row(int player, int row, const char *tiles)
{
  static const char LEGEND[] = " -|7JLr}T{^+bBsS['].";
  for (int column = 0; column < BOARD_COLUMNS && tiles[column]; column++)
    board[player][column][row].kind = static_cast<int>(strchr(LEGEND, tiles[column]) - LEGEND);
}
