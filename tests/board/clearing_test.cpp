// Clears on hand-laid powered boards: what vanishes and scores, the protected next blocks, the
// speed penalties of small clears and the versus blocks; and the clear message's number.
#include <allegro.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "board/board.h"
#include "board/clearing.h"
#include "board/power.h"
#include "base/global_bitmaps.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Clearing : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
  }

  // A path of `tiles` crosses: the bottom row, and the rest stacked on its first tile.
  static void clear_tiles(int player, int tiles)
  {
    current_player = player;
    lay_row(player, 13, "++++++");
    for (int row = 12; row > 12 - (tiles - BOARD_COLUMNS); row--) board[player][0][row].kind = 11;
    update_power(true);
  }
};

TEST_F(Clearing, PoweredTilesVanishAndScoreProtectedOnesLoseTheirProtectionAndStay)
{
  PlayerSlot &slot = player_slots[0];
  slot.blocks_to_clear = 3;
  lay_row(0, 13, "-|----");  // the upright breaks the path: nothing is powered
  update_power(true);
  EXPECT_EQ(clear_phase[0], CLEAR_NONE);

  lay_row(0, 13, "------");
  board[0][0][13].is_protected = board[0][4][13].is_protected = 1;
  update_power(true);
  EXPECT_EQ(clear_phase[0], CLEAR_RUNNING);
  for (int column = 0; column < BOARD_COLUMNS; column++) {
    EXPECT_EQ(board[0][column][13].vanish_timer != 0, column != 0 && column != 4) << column;
    EXPECT_EQ(board[0][column][13].is_protected, 0) << column;
  }
  EXPECT_EQ(slot.clear_points, 2 * 5 + 4 * 20);
  EXPECT_EQ(slot.blocks_to_clear, 0) << "four tiles went, and it stops at 0";
  EXPECT_TRUE(slot.protect_next);
  EXPECT_FALSE(player_slots[1].protect_next) << "only a versus clear protects the opponent's";

  update_power(true);
  EXPECT_EQ(slot.clear_count, 1) << "no second clear while one runs";
}

TEST_F(Clearing, SmallClearsSpeedUpTheBlocksAndVersusClearsSendHalfTheirTilesRoundedUp)
{
  struct Case { int tiles, interval, expected; };
  // Difficulty 1: below 15 tiles 2 off, at 9 or fewer another 3 while still above 5.
  for (const Case &test : {Case{15, 20, 20}, Case{14, 20, 18}, Case{9, 20, 15}, Case{9, 7, 5}}) {
    reset_game_state();
    player_slots[0].drop_interval = test.interval;
    clear_tiles(0, test.tiles);
    EXPECT_EQ(player_slots[0].drop_interval, test.expected) << test.tiles << " tiles";
  }

  reset_game_state();
  game_mode = MODE_VERSUS;
  player_slots[1].blocks_to_clear = 10;
  clear_tiles(1, 7);
  EXPECT_EQ(player_slots[0].versus_penalty, 4);
  EXPECT_TRUE(player_slots[0].protect_next && player_slots[1].protect_next);
  EXPECT_EQ(player_slots[1].blocks_to_clear, 10) << "versus has no quota";
  clear_tiles(0, 6);
  EXPECT_EQ(player_slots[1].versus_penalty, 3);

  // A message without a lamp earns no bonus; more than ten lamps earn what ten do.
  EXPECT_EQ(lamp_bonus(0), 0);
  EXPECT_EQ(lamp_bonus(13), lamp_bonus(10));
}


// The clear message's picture of a clear's points.
class ClearMessage : public ::testing::Test {
protected:
  static BITMAP *message(int points)
  {
    current_player = 1;
    player_slots[1].clear_points = points;
    render_clear_score();
    return bonus_sprites[1];
  }

  // The leftmost and rightmost columns the number covers.
  static std::pair<int, int> extent(int points)
  {
    BITMAP *picture = message(points);
    int left = picture->w, right = -1;
    for (int y = 0; y < picture->h; y++)
      for (int x = 0; x < picture->w; x++)
        if (getpixel(picture, x, y) != makecol(255, 0, 255)) left = std::min(left, x), right = std::max(right, x);
    return {left, right};
  }

  // The pixels of one digit's place, 18 columns from x.
  static std::vector<int> place(int points, int x)
  {
    BITMAP *picture = message(points);
    std::vector<int> pixels;
    for (int y = 0; y < picture->h; y++)
      for (int i = x; i < x + 18; i++) pixels.push_back(getpixel(picture, i, y));
    return pixels;
  }
};

// Leading zeros go, down to two places, and the number moves half a digit right for each, so
// that it stays centred in the message.
TEST_F(ClearMessage, LeadingZerosAreDroppedDownToTwoPlacesAndTheNumberStaysCentred)
{
  const auto four = extent(8888), three = extent(888), two = extent(88), one = extent(8);
  EXPECT_EQ(three, std::make_pair(four.first + 9, four.second - 9));
  EXPECT_EQ(two, std::make_pair(four.first + 18, four.second - 18));
  EXPECT_EQ(one.second, two.second) << "a single digit keeps its tens place, as a 0";
  EXPECT_EQ(place(8, 36), place(88, 36));
  EXPECT_NE(place(8, 18), place(88, 18));
  EXPECT_EQ(place(8008, 0), place(8888, 0)) << "zeros inside the number stay";
  EXPECT_EQ(place(808, 9), place(888, 9));
}

}  // namespace
