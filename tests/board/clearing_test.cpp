// Clears on hand-laid powered boards: what vanishes and scores, the protected next blocks, the
// speed penalties of small clears and the versus blocks.
#include <gtest/gtest.h>

#include "board/board.h"
#include "board/clearing.h"
#include "board/power.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
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

}  // namespace
