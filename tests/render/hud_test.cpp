// The clear message that books a clear, the numbers and the powered-tile line of the HUD, and
// the carriers, sparks and popups that move over the boards, stepped frame by frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "board/clearing.h"
#include "render/effects.h"
#include "render/hud.h"
#include "shell/global_bitmaps.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

int mask() { return makecol(255, 0, 255); }

class Hud : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    clear_to_color(back_buffer, mask());
  }

  static bool drawn_in(int x, int y, int w, int h)
  {
    for (int j = y; j < y + h; j++)
      for (int i = x; i < x + w; i++)
        if (getpixel(back_buffer, i, j) != mask()) return true;
    return false;
  }
};

TEST_F(Hud, TheClearMessageBooksInItsSixtiethFrameAndEndsTheLevelWhenItHasGone)
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    PlayerSlot &slot = player_slots[player];
    slot.blocks_to_clear = player;  // the right player has a tile left to clear
    slot.clear_points = 100;
    slot.clear_chain = 3;
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
    ASSERT_EQ(player_slots[1].clear_points, frame < 121 ? 100 : 0) << frame;
  }
  EXPECT_EQ(player_slots[0].message_rise, 222);
  EXPECT_EQ(player_slots[1].state, STATE_PLAYING) << "a tile left: the level goes on";
  EXPECT_EQ(getpixel(level_panels[0], 71, 5), getpixel(item_bitmap(ITEM_LEVEL_COMPLETE), 60, 5));
}

TEST_F(Hud, ThePoweredLineWarnsOfTheSpeedOfSmallClearsAndVersusShowsOnlyTheScore)
{
  struct Case { int count; const char *text; int colour; };
  BITMAP *expected = create_bitmap(SCREEN_WIDTH, 28);
  for (const Case &test : {Case{15, "15 blocks", makecol(255, 255, 220)},
                           Case{14, "14 blocks -> +speed", makecol(200, 200, 0)},
                           Case{9, "9 blocks -> ++speed", makecol(230, 0, 0)}}) {
    powered_count[1] = test.count;
    clear_to_color(back_buffer, mask());
    run_hud();
    clear_to_color(expected, mask());
    textout_centre_ex(expected, font_messages, test.text, 365 + 118, 12, test.colour, -1);
    for (int y = 0; y < 28; y++)
      for (int x = 360; x < SCREEN_WIDTH; x++)
        ASSERT_EQ(getpixel(back_buffer, x, 440 + y), getpixel(expected, x, y)) << test.text;
  }
  destroy_bitmap(expected);

  powered_count[1] = 0;
  clear_to_color(back_buffer, mask());
  run_hud();
  EXPECT_FALSE(drawn_in(365, 440, 240, 28)) << "nothing powered, no line";
  EXPECT_TRUE(drawn_in(320, 329, 40, 20)) << "the right player's level";
  game_mode = MODE_VERSUS;
  clear_to_color(back_buffer, mask());
  run_hud();
  EXPECT_TRUE(drawn_in(287, 307, 40, 20)) << "the right player's score";
  EXPECT_FALSE(drawn_in(320, 329, 40, 100)) << "no level, tiles left or clears in versus";
}

TEST_F(Hud, ACarrierDropsSlidesInDocksThenLeavesAndIsGone)
{
  current_player = 1;
  LampCarrier &carrier = lamp_carriers[1][0];
  carrier = {365 + 240, 365 + 205, -416, 55, 0, 1, 2};
  struct Step { int frame, x, y; };
  // Arriving it docks in frame 129; sent away, it is back at 240 in frame 35 and gone after 53.
  const Step arriving[] = {{94, 605, 54}, {95, 604, 55}, {128, 571, 55}, {135, 570, 55}};
  const Step leaving[] = {{34, 604, 55}, {35, 605, 50}, {52, 605, -35}, {53, 0, -40}};
  for (int frame = 1, i = 0; i < 4; frame++) {
    draw_lamp_carriers();
    if (frame != arriving[i].frame) continue;
    EXPECT_EQ(carrier.x * 1000 + carrier.y, arriving[i].x * 1000 + arriving[i].y) << frame;
    i++;
  }
  EXPECT_TRUE(drawn_in(365 + 205, 55, 36, 26));
  carrier.phase = 1;
  carrier.target_x = 365 + 240;
  carrier.target_y = -40;
  for (int frame = 1, i = 0; i < 4; frame++) {
    draw_lamp_carriers();
    if (frame != leaving[i].frame) continue;
    EXPECT_EQ(carrier.x * 1000 + carrier.y, leaving[i].x * 1000 + leaving[i].y) << frame;
    i++;
  }
}

TEST_F(Hud, SparksFallEverFasterUntilBelowTheScreenPopupsLive121Frames)
{
  Spark &spark = sparks[0][3][2];
  spark = {-1, 300, 100.0f, 10, 0.1f};
  float last_drop = 0.0f;
  for (int frame = 1; frame < 200 && spark.x != 0; frame++) {
    const float before = spark.y;
    draw_sparks();
    if (spark.x == 0) break;
    ASSERT_LE(spark.y, 500.0f);
    ASSERT_EQ(spark.x, 300 - frame);
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
  EXPECT_NEAR(popup.rise, 12.1f, 0.01f);
}

}  // namespace
