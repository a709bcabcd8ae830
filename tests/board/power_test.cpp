// Power on small boards laid out by hand: which conductors power reaches from the left and
// from the lamps, which rows are powered through, what is counted and what is read back.
// The conduction patterns are the real ones of korvanta.dat.
#include <allegro.h>
#include <gtest/gtest.h>

#include <array>

#include "board/board.h"
#include "board/power.h"
#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "tests/support/headless.h"

namespace {

// Tile kinds by the look of their conductors.
constexpr int __ = TILE_EMPTY;
constexpr int LEFT_RIGHT = 1, TOP_BOTTOM = 2;
constexpr int LEFT_BOTTOM = 3, TOP_LEFT = 4, TOP_RIGHT = 5, RIGHT_BOTTOM = 6;
constexpr int TEE_LEFT_RIGHT_BOTTOM = 8, TEE_LEFT_TOP_RIGHT = 10;
constexpr int BRIDGE = 12, BRIDGE_TURNED = 13;
constexpr int STUB_FROM_TOP = 17, STUB_FROM_BOTTOM = 19;

constexpr int UNWRITTEN = -1;

class PowerTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    current_player = 0;
    for (int player = 0; player < 2; player++) {
      for (auto &column : board[player])
        for (BoardCell &cell : column)
          cell = BoardCell{0, 0, 0, TILE_EMPTY, 0, 0, UNWRITTEN, UNWRITTEN};
      for (RowLamp &lamp : row_lamps[player]) lamp = RowLamp{0, LAMP_START_UP, 0, 3, 0, 0, 0};
      clear_phase[player] = CLEAR_NONE;
      powered_count[player] = UNWRITTEN;
    }
  }

  // Lays one playing row (1..13) of the current player's board, columns left to right.
  void lay(int row, const std::array<int, BOARD_COLUMNS> &kinds)
  {
    for (int column = 0; column < BOARD_COLUMNS; column++)
      cell_at(column, row).kind = kinds[column];
  }

  static int power(int column, int row) { return cell_at(column, row).power; }
  static int power2(int column, int row) { return cell_at(column, row).power2; }
  static RowLamp &lamp_of_row(int row) { return row_lamps[current_player][row - 1]; }

  static void expect_row(int row, const std::array<int, BOARD_COLUMNS> &powers)
  {
    for (int column = 0; column < BOARD_COLUMNS; column++)
      EXPECT_EQ(power(column, row), powers[column]) << "column " << column << ", row " << row;
  }
};

TEST_F(PowerTest, AnEmptyBoardPowersNothingAndWritesNoCell)
{
  update_power(false);

  EXPECT_EQ(powered_count[0], 0);
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) EXPECT_EQ(power(column, row), UNWRITTEN);
  for (const RowLamp &lamp : row_lamps[0]) EXPECT_EQ(lamp.state, LAMP_DARK);
  for (int y = 0; y < power_maps[0]->h; y++)
    for (int x = 0; x < power_maps[0]->w; x++)
      ASSERT_EQ(_getpixel(power_maps[0], x, y), POWER_NONE);
}

TEST_F(PowerTest, AStraightRunPowersItsRowAndCountsEachTileOnce)
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    // A dead end hangs below the run; beside it lies a tile that touches nothing. Above the
    // run stands a stub joined only through its bottom edge: it is lit but not counted, since
    // a tile counts by the middles of its left, top and right edges.
    lay(4, {__, __, __, __, STUB_FROM_BOTTOM, __});
    lay(5, {LEFT_RIGHT, LEFT_RIGHT, TEE_LEFT_RIGHT_BOTTOM, LEFT_RIGHT, TEE_LEFT_TOP_RIGHT,
            LEFT_RIGHT});
    lay(6, {__, __, STUB_FROM_TOP, LEFT_RIGHT, __, __});

    update_power(false);

    SCOPED_TRACE(player);
    EXPECT_EQ(power(4, 4), 255);
    expect_row(5, {255, 255, 255, 255, 255, 255});
    expect_row(6, {UNWRITTEN, UNWRITTEN, 255, POWER_DEAD, UNWRITTEN, UNWRITTEN});
    EXPECT_EQ(powered_count[player], 7);
    for (int row = 1; row <= PLAYING_ROWS; row++)
      EXPECT_EQ(lamp_of_row(row).state, row == 5 ? LAMP_POWERED : LAMP_DARK) << row;
  }
  EXPECT_EQ(powered_count[0], 7) << "each player's update counts on his own board";
}

TEST_F(PowerTest, RowsJoinedToOnePathAllLightTheirLamps)
{
  // Row 6 is already complete through row 5 when its own lamp is looked at.
  lay(5, {LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, TEE_LEFT_RIGHT_BOTTOM});
  lay(6, {__, __, __, __, LEFT_RIGHT, TEE_LEFT_TOP_RIGHT});

  update_power(false);

  EXPECT_EQ(lamp_of_row(5).state, LAMP_POWERED);
  EXPECT_EQ(lamp_of_row(6).state, LAMP_POWERED);
  expect_row(6, {UNWRITTEN, UNWRITTEN, UNWRITTEN, UNWRITTEN, 255, 255});
  EXPECT_EQ(powered_count[0], 8);
}

TEST_F(PowerTest, ARowIsPoweredFromTheLeftOnlyThroughItsLeftEdgeMiddle)
{
  // Row 3 starts with a tile that has no conductor at its left edge. Power reaches that tile
  // from row 2 above, but row 3's run to the right is not joined to it.
  lay(2, {TEE_LEFT_RIGHT_BOTTOM, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lay(3, {TOP_BOTTOM, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});

  update_power(false);

  expect_row(2, {255, 255, 255, 255, 255, 255});
  expect_row(3, {255, 120, 120, 120, 120, 120});
  EXPECT_EQ(lamp_of_row(2).state, LAMP_POWERED);
  EXPECT_EQ(lamp_of_row(3).state, LAMP_DARK);
  EXPECT_EQ(powered_count[0], 7);
}

TEST_F(PowerTest, ConductorsJoinedToOneEdgeOnlyShowWhichOne)
{
  lay(4, {LEFT_RIGHT, LEFT_RIGHT, __, __, __, __});     // the left edge only
  lay(7, {__, __, __, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});  // a working lamp only
  lay(8, {__, __, __, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});  // a lamp being replaced
  lay(9, {__, __, LEFT_RIGHT, LEFT_RIGHT, __, __});     // neither edge
  lamp_of_row(8).replacement = 2;

  update_power(false);

  expect_row(4, {80, 80, UNWRITTEN, UNWRITTEN, UNWRITTEN, UNWRITTEN});
  expect_row(7, {UNWRITTEN, UNWRITTEN, UNWRITTEN, 120, 120, 120});
  expect_row(8, {UNWRITTEN, UNWRITTEN, UNWRITTEN, 44, 44, 44});
  expect_row(9, {UNWRITTEN, UNWRITTEN, 44, 44, UNWRITTEN, UNWRITTEN});
  EXPECT_EQ(powered_count[0], 0);
  for (const RowLamp &lamp : row_lamps[0]) EXPECT_EQ(lamp.state, LAMP_DARK);
}

TEST_F(PowerTest, ALampFadingInPastNineCannotCompleteItsRow)
{
  lay(5, {LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lamp_of_row(5).replacement = 1;

  lamp_of_row(5).replace_alpha = 10;
  update_power(false);
  expect_row(5, {80, 80, 80, 80, 80, 80});
  EXPECT_EQ(lamp_of_row(5).state, LAMP_DARK);
  EXPECT_EQ(powered_count[0], 0);

  lamp_of_row(5).replace_alpha = 9;
  update_power(false);
  expect_row(5, {255, 255, 255, 255, 255, 255});
  EXPECT_EQ(lamp_of_row(5).state, LAMP_POWERED);
  EXPECT_EQ(powered_count[0], 6);
}

TEST_F(PowerTest, ABridgeCarriesPowerDownThroughItsVerticalConductor)
{
  // Power enters row 3, turns down column 2, crosses row 5 on the bridge's vertical
  // conductor and leaves through row 7's lamp. Row 5's own run reaches only its lamp.
  lay(3, {LEFT_RIGHT, LEFT_RIGHT, LEFT_BOTTOM, __, __, __});
  lay(4, {__, __, TOP_BOTTOM, __, __, __});
  lay(5, {__, __, BRIDGE, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lay(6, {__, __, TOP_BOTTOM, __, __, __});
  lay(7, {__, __, TOP_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});

  update_power(false);

  expect_row(3, {255, 255, 255, UNWRITTEN, UNWRITTEN, UNWRITTEN});
  EXPECT_EQ(power(2, 4), 255);
  EXPECT_EQ(power2(2, 5), 255) << "the bridge's vertical conductor";
  EXPECT_EQ(power(2, 5), 120) << "the bridge's horizontal conductor";
  expect_row(5, {UNWRITTEN, UNWRITTEN, 120, 120, 120, 120});
  EXPECT_EQ(power(2, 6), 255);
  expect_row(7, {UNWRITTEN, UNWRITTEN, 255, 255, 255, 255});
  EXPECT_EQ(lamp_of_row(7).state, LAMP_POWERED);
  EXPECT_EQ(lamp_of_row(5).state, LAMP_DARK);
  EXPECT_EQ(lamp_of_row(3).state, LAMP_DARK);
  EXPECT_EQ(powered_count[0], 10);
}

TEST_F(PowerTest, ABridgeCarriesPowerUpAndAcrossAtOnce)
{
  // Power climbs from row 9 through a turned bridge to row 7's lamp, while another path
  // crosses the same bridge from left to right.
  lay(7, {__, __, RIGHT_BOTTOM, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lay(8, {LEFT_RIGHT, LEFT_RIGHT, BRIDGE_TURNED, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lay(9, {LEFT_RIGHT, LEFT_RIGHT, TOP_LEFT, __, __, __});

  update_power(false);

  EXPECT_EQ(power2(2, 8), 255);
  EXPECT_EQ(power(2, 8), 255);
  expect_row(7, {UNWRITTEN, UNWRITTEN, 255, 255, 255, 255});
  expect_row(9, {255, 255, 255, UNWRITTEN, UNWRITTEN, UNWRITTEN});
  EXPECT_EQ(lamp_of_row(7).state, LAMP_POWERED);
  EXPECT_EQ(lamp_of_row(8).state, LAMP_POWERED);
  EXPECT_EQ(lamp_of_row(9).state, LAMP_DARK);
  EXPECT_EQ(powered_count[0], 4 + 6 + 3);
}

TEST_F(PowerTest, ABridgeLinksItsVerticalPiecesForPowerFromTheRight)
{
  // A lamp reaches the bridge's lower piece only; the upper piece and what hangs on it
  // glow from the right as well. The horizontal conductor stays dead.
  lay(6, {__, __, TOP_BOTTOM, __, __, __});
  lay(7, {__, LEFT_RIGHT, BRIDGE, __, __, __});
  lay(8, {__, __, TOP_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});

  update_power(false);

  EXPECT_EQ(power(2, 6), 120);
  EXPECT_EQ(power2(2, 7), 120);
  EXPECT_EQ(power(2, 7), 44);
  EXPECT_EQ(power(1, 7), 44);
}

TEST_F(PowerTest, LampsThatFiredAreAllLeftDark)
{
  lay(5, {LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  lay(6, {LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});
  for (RowLamp &lamp : row_lamps[0]) lamp.state = LAMP_POWERED;

  update_power(true);

  for (const RowLamp &lamp : row_lamps[0]) EXPECT_EQ(lamp.state, LAMP_DARK);
  expect_row(5, {255, 255, 255, 255, 255, 255});
  EXPECT_EQ(powered_count[0], 12);
}

TEST_F(PowerTest, VanishingAndSinkingTilesConductNothing)
{
  lay(5, {LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT, LEFT_RIGHT});

  cell_at(3, 5).vanish_timer = 20;
  update_power(false);
  expect_row(5, {80, 80, 80, POWER_NONE, 120, 120});
  EXPECT_EQ(lamp_of_row(5).state, LAMP_DARK);

  cell_at(3, 5).vanish_timer = 0;
  cell_at(3, 5).y_offset = 17;
  update_power(false);
  expect_row(5, {80, 80, 80, POWER_NONE, 120, 120});

  cell_at(3, 5).y_offset = 0;
  update_power(false);
  expect_row(5, {255, 255, 255, 255, 255, 255});
}

}  // namespace
