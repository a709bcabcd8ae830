// The computer's reading of a board agrees with the game's own power: on random boards, the
// rows it finds powered through are the lamps the power update lights, and its path tiles are
// the tiles whose conductors read back as on a complete path.
#include <gtest/gtest.h>

#include <random>

#include "board/board.h"
#include "board/power.h"
#include "control/circuit.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Circuit : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
  }
};

TEST_F(Circuit, ItsPathsAreThePowerUpdatesCompletePathsOnRandomBoards)
{
  std::mt19937 random(7);
  int boards_with_paths = 0;
  for (int trial = 0; trial < 400; trial++) {
    reset_game_state();
    // Mostly straights, crosses and tees, so that paths are common; every kind turns up.
    for (int column = 0; column < BOARD_COLUMNS; column++)
      for (int row = 1; row < BOARD_ROWS; row++) {
        const int roll = static_cast<int>(random() % 30);
        board[0][column][row].kind = roll < 19 ? roll + 1 : roll < 24 ? 1 : roll < 27 ? 11 : 0;
        if (random() % 40 == 0) board[0][column][row].y_offset = 2;
      }
    for (int i = 0; i < PLAYING_ROWS; i++) row_lamps[0][i].replace_alpha = random() % 5 == 0 ? 50 : 0;

    BoardView view;
    look_at_board(0, view);
    const CircuitReading reading = read_circuit(view);
    update_power(false);

    int lit = 0, connected_tiles = 0;
    for (const RowLamp &lamp : row_lamps[0]) lit += lamp.state == LAMP_POWERED;
    for (int column = 0; column < BOARD_COLUMNS; column++)
      for (int row = 1; row < BOARD_ROWS; row++) {
        const BoardCell &cell = board[0][column][row];
        if (cell.kind == TILE_EMPTY || cell.y_offset != 0) continue;
        const bool two = is_bridge(cell.kind) || is_split(cell.kind);
        connected_tiles += cell.power == POWER_CONNECTED || (two && cell.power2 == POWER_CONNECTED);
      }
    ASSERT_EQ(reading.lit_lamps, lit) << "trial " << trial;
    ASSERT_EQ(reading.path_tiles, connected_tiles) << "trial " << trial;
    boards_with_paths += lit > 0;
  }
  EXPECT_GT(boards_with_paths, 100);
}

}  // namespace
