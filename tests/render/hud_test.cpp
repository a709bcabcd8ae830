// The clear message that books a clear, the powered-tile line of the HUD, and the carriers,
// sparks and popups that move over the boards, stepped frame by frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/global_bitmaps.h"
#include "board/board.h"
#include "board/clearing.h"
#include "render/effects.h"
#include "render/hud.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Hud : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
  }

  // Draws the HUD on a cleared back buffer; tells whether anything landed in the rectangle.
  static bool hud_draws_in(int x, int y, int w, int h)
  {
    clear_to_color(back_buffer, makecol(255, 0, 255));
    run_hud();
    for (int j = y; j < y + h; j++)
      for (int i = x; i < x + w; i++)
        if (getpixel(back_buffer, i, j) != makecol(255, 0, 255)) return true;
    return false;
  }
};

TEST_F(Hud, TheClearMessageBooksInItsSixtiethFrameAndEndsTheLevelWhenItHasGone)
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    player_slots[player].blocks_to_clear = player;  // the right player has a tile left to clear
    player_slots[player].clear_points = 100;
    player_slots[player].clear_chain = 3;
    powered_count[player] = 12;
    render_clear_score();
  }
  player_slots[1].state = STATE_PAUSED;  // a paused message waits
  for (int frame = 1; frame <= 131; frame++) {
    if (frame == 11) player_slots[1].state = STATE_PLAYING;
    run_hud();
    ASSERT_EQ(player_slots[0].score, frame < 60 ? 0 : 200) << frame;
    ASSERT_EQ(player_slots[1].score, frame < 70 ? 0 : 200) << frame;
    ASSERT_EQ(powered_count[0], frame < 60 ? 12 : 0) << frame;
    ASSERT_EQ(player_slots[0].state, frame < 111 ? STATE_PLAYING : STATE_LEVEL_COMPLETE) << frame;
  }
  EXPECT_EQ(player_slots[1].state, STATE_PLAYING) << "a tile left: the level goes on";
}

TEST_F(Hud, ThePoweredLineShowsOnlyWithPoweredTilesAndVersusShowsOnlyTheScore)
{
  powered_count[1] = 9;
  EXPECT_TRUE(hud_draws_in(365, 440, 240, 28));
  powered_count[1] = 0;
  EXPECT_FALSE(hud_draws_in(365, 440, 240, 28)) << "nothing powered, no line";
  EXPECT_TRUE(hud_draws_in(320, 329, 40, 20)) << "the right player's level";
  game_mode = MODE_VERSUS;
  EXPECT_TRUE(hud_draws_in(287, 307, 40, 20)) << "the right player's score";
  EXPECT_FALSE(hud_draws_in(320, 329, 40, 100)) << "no level, tiles left or clears in versus";
}

TEST_F(Hud, ACarrierDocksThenLeavesAndIsGoneSparksFallEverFasterPopupsLive121Frames)
{
  current_player = 1;
  LampCarrier &carrier = lamp_carriers[1][0];
  carrier = {365 + 240, 365 + 205, -416, 55, 0, 1, 2};
  for (int frame = 0; frame < 200; frame++) draw_lamp_carriers();
  EXPECT_EQ(carrier.x * 1000 + carrier.y, (365 + 205) * 1000 + 55) << "docked";
  carrier.phase = 1;
  carrier.target_x = 365 + 240;
  carrier.target_y = -40;
  for (int frame = 0; frame < 100 && carrier.x != 0; frame++) draw_lamp_carriers();
  EXPECT_EQ(carrier.x, 0);

  current_player = 0;
  Spark &spark = sparks[0][3][2];
  spark = {-1, 300, 100.0f, 10, 0.1f};
  float last_drop = 0.0f;
  for (int frame = 1; frame < 200 && spark.x != 0; frame++) {
    const float before = spark.y;
    draw_sparks();
    if (spark.x == 0) break;
    ASSERT_GT(spark.y - before, last_drop);
    last_drop = spark.y - before;
  }
  EXPECT_GT(spark.y, 500.0f);

  ScorePopup &popup = score_popups[0][99];
  popup = {2, 7, 4, 0, 0.0f, 0.1f};
  for (int frame = 1; frame <= 121; frame++) {
    ASSERT_EQ(popup.row, 7) << frame;
    draw_score_popups();
  }
  EXPECT_EQ(popup.row, 0);
}

}  // namespace
