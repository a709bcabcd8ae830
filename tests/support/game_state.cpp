#include "tests/support/game_state.h"

#include <cstring>

#include "board/board.h"
#include "control/bindings.h"
#include "control/input.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"

void reset_game_state()
{
  game_mode = MODE_ONE_PLAYER;
  difficulty = 1;
  current_player = 0;
  reset_control_bindings();
  last_wheel_position = 0;
  for (int player = 0; player < 2; player++) {
    for (int column = 0; column < BOARD_COLUMNS; column++)
      for (int row = 0; row < BOARD_ROWS; row++)
        board[player][column][row] = {PLAYER_X_STEP * player + TILE_SIZE * column + BOARD_LEFT,
                                      TILE_SIZE * row + BOARD_TOP};
    for (RowLamp &lamp : row_lamps[player]) lamp = {0, LAMP_DARK, 0, 3};
    for (LampCarrier &carrier : lamp_carriers[player]) carrier = {};
    for (ScorePopup &popup : score_popups[player]) popup = {};
    for (auto &row_sparks : sparks[player])
      for (Spark &spark : row_sparks) spark = {};
    player_slots[player] = PlayerSlot{};
    player_slots[player].state = STATE_PLAYING;
    player_slots[player].cursor_column = 3;
    player_slots[player].cursor_row = 10;
    player_slots[player].drop_interval = 20;
    falling_blocks[player] = {0, 1, 0, 0, 0, 0, 25};
    clear_phase[player] = CLEAR_NONE;
    powered_count[player] = 0;
    input_delay[player] = pause_run[player] = 0;
    memset(mouse_move_request[player], 0, sizeof mouse_move_request[player]);
    menu_selection[player] = 2;
  }
}

void lay_row(int player, int row, const char *tiles)
{
  static const char LEGEND[] = " -|7JLr}T{^+bBsS['].";
  for (int column = 0; column < BOARD_COLUMNS && tiles[column]; column++)
    board[player][column][row].kind = static_cast<int>(strchr(LEGEND, tiles[column]) - LEGEND);
}
