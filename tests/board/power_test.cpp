// Power on boards drawn as text with korvanta.dat's patterns: each conductor, the count, the lamps.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/power.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"

// Tiles as lay_row reads them: '7' 'J' 'L' 'r' elbows left-bottom, top-left, top-right,
// right-bottom; 'T' '^' tees open down and up; 'b' 'B' bridges; '\'' '.' stubs from top, bottom.
// Power read back: C complete path, L left edge only, R a working lamp only, D unreached,
// 0 not stamped, ' ' never written; a '*' after the six marks the row's lamp lit. A row with
// bridges or splits adds, after a space, the power of each one's second conductor (a bridge's
// vertical one, a split's right one), left to right.
const std::string POWERS = "CLRD0 ";
constexpr int VALUES[] = {POWER_CONNECTED, POWER_FROM_LEFT, POWER_FROM_RIGHT, POWER_DEAD, POWER_NONE, -1};

class PowerTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    for (int player = 0; player < 2; player++) {
      for (auto &column : board[player])
        for (BoardCell &cell : column) cell = BoardCell{0, 0, 0, TILE_EMPTY, 0, 0, -1, -1};
      for (RowLamp &lamp : row_lamps[player]) lamp = RowLamp{0, LAMP_START_UP, 0, 3, 0, 0, 0};
      powered_count[player] = -1;
    }
    current_player = 0;
  }

  // Each row is drawn as its six tiles, a '|' and the power they must read back.
  void lay(int top, const std::vector<std::string> &rows)
  {
    for (size_t i = 0; i < rows.size(); i++) {
      lay_row(current_player, top + int(i), rows[i].c_str());
      expected[top + i] = rows[i].substr(BOARD_COLUMNS + 1);
    }
  }

  // The whole board and all lamps of the current player; rows not drawn stay unwritten.
  void expect_board(int count)
  {
    EXPECT_EQ(powered_count[current_player], count);
    for (int row = 1; row <= PLAYING_ROWS; row++) {
      const std::string &text = expected[row];
      const std::string seconds = text.size() > 7 ? text.substr(text.find(' ', 6) + 1) : "";
      size_t second = 0;
      for (int column = 0; column < BOARD_COLUMNS; column++) {
        const BoardCell &cell = cell_at(column, row);
        EXPECT_EQ(cell.power, VALUES[POWERS.find(text[column])])
            << "column " << column << ", row " << row;
        if (!is_bridge(cell.kind) && !is_split(cell.kind)) continue;
        ASSERT_LT(second, seconds.size()) << "row " << row;
        EXPECT_EQ(cell.power2, VALUES[POWERS.find(seconds[second++])])
            << "second conductor, column " << column << ", row " << row;
      }
      EXPECT_EQ(row_lamps[current_player][row - 1].state, text[6] == '*' ? LAMP_POWERED : LAMP_DARK) << row;
    }
  }

  std::vector<std::string> expected = std::vector<std::string>(BOARD_ROWS, "      ");
};

TEST_F(PowerTest, CompletePathsPowerAndCountEachOfTheirTilesOnce)
{
  current_player = 1;
  // A branch into row 6 lights that lamp too. The stub above is lit through its bottom edge
  // only, and tiles count by their left, top and right edges: it is not counted.
  lay(4, {"    . |    C ",
          "--T-^T|CCCCCC*",
          "  ' -^|  C CC*"});
  update_power(false);
  expect_board(9);
  update_power(true);  // the lamps have fired: none may start charging again
  for (const RowLamp &lamp : row_lamps[1]) EXPECT_EQ(lamp.state, LAMP_DARK);
}

TEST_F(PowerTest, EachConductorShowsWhichEdgesItIsJoinedTo)
{
  lay(2, {"T-----|CCCCCC*",
          "|-----|CRRRRR",    // no left conductor: joined to the row above, not to its run
          "--    |LL    ",
          "  --  |  DD  ",
          "   ---|   DDD",    // the lamp is being replaced
          "------|LLL0RR",    // vanishing tiles and sinking ones conduct nothing
          "      |      ",
          "------|LLL0RR"});
  row_lamps[0][5].replacement = 2;
  cell_at(3, 7).vanish_timer = 20;
  cell_at(3, 9).y_offset = 17;
  update_power(false);
  expect_board(7);
}

TEST_F(PowerTest, BridgesAndSplitsCarryTwoConductors)
{
  // Power turns down through a bridge under a run only its lamp reaches, is completed below,
  // and the completing lamp's power climbs back through the link. A lamp reaching the bottom
  // of a stack of bridges lights every piece above. A split's conductors take their own power.
  lay(1, {"S-----|LRRRRR R",
          "      |      ",
          "--7   |CCC   ",
          "  |   |  C   ",
          "  b---|  RRRR C",
          "  |   |  C   ",
          "  L---|  CCCC*",
          "  B   |  D    R",
          "  B   |  D    R",
          " -B   | DD    R",
          "  L---|  RRRR",
          "-s----|CCRRRR R",
          " L----| CCCCC*"});
  update_power(false);
  expect_board(17);
}
