#include "board/board.h"

#include "state/game_state.h"

BoardCell board[2][BOARD_COLUMNS][BOARD_ROWS];
FallingBlock falling_blocks[2];
BlockSupply block_supplies[2];
int clear_phase[2];
int powered_count[2];
RowLamp row_lamps[2][PLAYING_ROWS];
ScorePopup score_popups[2][SCORE_POPUPS];
LampCarrier lamp_carriers[2][PLAYING_ROWS];
Spark sparks[2][PLAYING_ROWS][SPARKS_PER_ROW];

// Within a four-member family turning right gives the next kind and the last wraps to the
// first; the two-member families swap; the empty cell and the cross stay as they are.
const int turn_left_table[TILE_KINDS + 1] = {0, 2, 1, 6, 3, 4, 5, 10, 7, 8, 9,
                                             11, 13, 12, 15, 14, 19, 16, 17, 18};
const int turn_right_table[TILE_KINDS + 1] = {0, 2, 1, 4, 5, 6, 3, 8, 9, 10, 7,
                                              11, 13, 12, 15, 14, 17, 18, 19, 16};
const int tile_points[TILE_KINDS] = {20, 30, 40, 40, 40, 40, 10, 10, 10, 10,
                                     5,  15, 15, 30, 30, 5,  5,  5,  5};

BoardCell &cell_at(int column, int row) { return board[current_player][column][row]; }

bool may_slide_tile(int player, int column, int row, int target_column)
{
  if (target_column < 0 || target_column >= BOARD_COLUMNS) return false;
  const BoardCell &from = board[player][column][row];
  if (from.kind == TILE_EMPTY || from.y_offset != 0) return false;
  if (board[player][target_column][row].kind != TILE_EMPTY) return false;
  if (board[player][target_column][row - 1].y_offset != 0) return false;
  const FallingBlock &block = falling_blocks[player];
  return !(target_column == block.column && (row == block.row || row == block.row + 1));
}
