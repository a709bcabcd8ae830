#include "tests/support/game_state.h"

#include <cstring>

#include "board/board.h"
#include "control/bindings.h"
#include "control/input.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"

void reset_game_state()
{
  game_mode = MODE_ONE_PLAYER;
  difficulty = 1;
  current_player = 0;
  reset_control_bindings();
  last_wheel_position = 0;
  memset(lamp_carriers, 0, sizeof lamp_carriers);
  memset(score_popups, 0, sizeof score_popups);
  memset(sparks, 0, sizeof sparks);
  memset(mouse_move_request, 0, sizeof mouse_move_request);
  for (int player = 0; player < 2; player++) {
    for (int column = 0; column < BOARD_COLUMNS; column++)
      for (int row = 0; row < BOARD_ROWS; row++)
        board[player][column][row] = {PLAYER_X_STEP * player + TILE_SIZE * column + BOARD_LEFT,
                                      TILE_SIZE * row + BOARD_TOP};
    for (RowLamp &lamp : row_lamps[player]) lamp = {0, LAMP_DARK, 0, 3};
    PlayerSlot &slot = player_slots[player] = PlayerSlot{};
    slot.state = STATE_PLAYING;
    slot.cursor_column = 3;
    slot.cursor_row = 10;
    slot.drop_interval = 20;
    falling_blocks[player] = {0, 1, 0, 0, 0, 0, 25};
    clear_phase[player] = CLEAR_NONE;
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
