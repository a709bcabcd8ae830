// Clears on hand-laid powered boards: what vanishes and scores, the popups, the protected
// next blocks, the speed penalties of small clears, the versus blocks and the clear message's
// digits.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "board/clearing.h"
#include "board/power.h"
#include "shell/global_bitmaps.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
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
  slot.speed_step = 2;
  lay_row(0, 13, "-|----");  // the upright breaks the path: nothing is powered
  board[0][1][12].kind = 1;   // a dead end off nothing
  update_power(true);
  EXPECT_EQ(clear_phase[0], CLEAR_NONE) << "no powered tile, no clear";

  lay_row(0, 13, "------");
  board[0][0][13].is_protected = board[0][4][13].is_protected = 1;
  update_power(true);
  EXPECT_EQ(clear_phase[0], CLEAR_RUNNING);
  for (int column = 0; column < BOARD_COLUMNS; column++) {
    const bool kept = column == 0 || column == 4;
    EXPECT_EQ(board[0][column][13].vanish_timer, kept ? 0 : 14) << column;
    EXPECT_EQ(board[0][column][13].is_protected, 0) << column;
  }
  EXPECT_EQ(board[0][1][12].vanish_timer, 0);
  EXPECT_EQ(slot.clear_points, 2 * 5 + 4 * 20);
  EXPECT_EQ(slot.blocks_to_clear, 0) << "four tiles went, and it stops at 0";
  EXPECT_EQ(slot.speed_step, 1);
  EXPECT_EQ(slot.clear_count, 1);
  EXPECT_TRUE(slot.protect_next);
  EXPECT_FALSE(player_slots[1].protect_next) << "only a versus clear protects the opponent's";
  EXPECT_EQ(slot.message_direction, 1);

  // One popup per hit tile, in column order; protected tiles show the 5 of the cross.
  for (int column = 0; column < BOARD_COLUMNS; column++) {
    const ScorePopup &popup = score_popups[0][column];
    EXPECT_EQ(popup.column, column);
    EXPECT_EQ(popup.row, 13);
    EXPECT_EQ(popup.value_index, column == 0 || column == 4 ? 10 : 0);
    EXPECT_TRUE(popup.speed > 0.095f && popup.speed < 0.125f);
  }
  EXPECT_EQ(score_popups[0][6].row, 0);

  // No second clear while one runs.
  update_power(true);
  EXPECT_EQ(slot.clear_count, 1);
}

TEST_F(Clearing, SmallClearsSpeedUpTheBlocksAndVersusClearsSendHalfTheirTilesRoundedUp)
{
  struct Case { int tiles, interval, expected; };
  // Difficulty 1: below 15 tiles 2 off, at 9 or fewer another 3 while still above 5.
  for (const Case &test : {Case{15, 20, 20}, Case{14, 20, 18}, Case{9, 20, 15}, Case{9, 7, 5},
                           Case{6, 5, 5}}) {
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
}

TEST_F(Clearing, TheMessageLeavesOutLeadingZerosAndTheLampBonusStaysInItsTable)
{
  BITMAP *digits = item_bitmap(ITEM_SCORE_DIGITS);
  auto shows = [digits](int digit, int x) {  // digit -1: nothing drawn there
    for (int y = 0; y < 20; y++)
      for (int dx = 0; dx < 18 && x + dx < 72; dx++) {
        const int want = digit < 0 ? makecol(255, 0, 255) : getpixel(digits, 18 * digit + dx, y);
        if (getpixel(bonus_sprites[0], x + dx, y) != want) return false;
      }
    return true;
  };
  struct Case { int points; int shown[5]; int x; };
  for (const Case &test : {Case{7, {0, 7, -1}, 18}, Case{120, {1, 2, 0, -1}, 9},
                           Case{3120, {3, 1, 2, 0, -1}, 0}}) {
    player_slots[0].clear_points = test.points;
    render_clear_score();
    for (int place = 0; place == 0 || test.shown[place - 1] >= 0; place++)
      EXPECT_TRUE(shows(test.shown[place], test.x + 18 * place)) << test.points << " place " << place;
  }

  // No lamp earns nothing; more than ten lamps earn what ten do.
  const int chains[] = {0, 1, 3, 10, 13}, bonus[] = {0, 0, 100, 4000, 4000};
  for (int i = 0; i < 5; i++) EXPECT_EQ(lamp_bonus(chains[i]), bonus[i]) << chains[i];
}

}  // namespace
