// The clear message that books a clear, the powered-tile line of the HUD, and the carriers,
// sparks and popups that move over the boards, stepped frame by frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "render/effects.h"
#include "render/hud.h"
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

  // The HUD alone, drawn on a cleared back buffer.
  static std::vector<int> hud_picture()
  {
    clear_to_color(back_buffer, makecol(255, 0, 255));
    run_hud();
    std::vector<int> pixels;
    for (int y = 0; y < SCREEN_HEIGHT; y++)
      for (int x = 0; x < SCREEN_WIDTH; x++) pixels.push_back(getpixel(back_buffer, x, y));
    return pixels;
  }

  // Whether changing a value changes the HUD's picture.
  static bool shows(int &value, int other)
  {
    const std::vector<int> before = hud_picture();
    const int kept = value;
    value = other;
    const bool changed = hud_picture() != before;
    value = kept;
    return changed;
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

TEST_F(Hud, ThePoweredLineShowsUnderItsOwnBoardOnlyWithPoweredTilesAndVersusShowsOnlyTheScore)
{
  powered_count[1] = 0;
  const std::vector<int> none = hud_picture();
  powered_count[1] = 9;
  const std::vector<int> nine = hud_picture();
  int differences = 0;
  for (int i = 0; i < SCREEN_WIDTH * SCREEN_HEIGHT; i++) {
    if (none[i] == nine[i]) continue;
    differences++;
    const int x = i % SCREEN_WIDTH, y = i / SCREEN_WIDTH;
    ASSERT_TRUE(x >= PLAYER_X_STEP && y >= BOARD_TOP + TILE_SIZE * BOARD_ROWS) << x << ", " << y;
  }
  EXPECT_GT(differences, 0) << "powered tiles, a line under the right board";

  PlayerSlot &right = player_slots[1];
  game_mode = MODE_TWO_PLAYERS;
  EXPECT_TRUE(shows(right.score, 1234) && shows(right.level, 7) && shows(right.blocks_to_clear, 55) &&
              shows(right.clear_count, 3));
  game_mode = MODE_VERSUS;
  EXPECT_TRUE(shows(right.score, 1234));
  EXPECT_FALSE(shows(right.level, 7) || shows(right.blocks_to_clear, 55) || shows(right.clear_count, 3))
      << "no level, tiles left or clears in versus";
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

// Each number stands in the middle of its dark window on the background: the window's floor,
// with the shadow along its top, reaches as far above the digits as below them. No two
// numbers share a row, so each band of rows the HUD printed on is one number.
TEST_F(Hud, EveryNumberSitsInTheMiddleOfItsWindow)
{
  BITMAP *background = item_bitmap(ITEM_BACKGROUND);
  game_mode = MODE_TWO_PLAYERS;
  for (PlayerSlot &slot : player_slots)  // every number as wide as it gets
    slot.score = 888888, slot.level = 88, slot.blocks_to_clear = 888, slot.clear_count = 88;
  blit(background, back_buffer, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  run_hud();

  std::vector<int> ink(SCREEN_HEIGHT + 1, SCREEN_WIDTH);  // each row's first printed column
  for (int y = 0; y < SCREEN_HEIGHT; y++)
    for (int x = SCREEN_WIDTH - 1; x >= 0; x--)
      if (getpixel(back_buffer, x, y) != getpixel(background, x, y)) ink[y] = x;
  auto brightness = [background](int x, int y) {
    const int colour = getpixel(background, x, y);
    return getr(colour) + getg(colour) + getb(colour);
  };
  int numbers = 0;
  for (int y1 = 0, y2; y1 < SCREEN_HEIGHT; y1 = y2 + 1) {
    for (y2 = y1; ink[y2] < SCREEN_WIDTH; y2++) {}
    if (y2 == y1) continue;
    numbers++;
    // Beside the digits, in the window: nothing of it is brighter than its floor.
    const int x = *std::min_element(&ink[y1], &ink[y2]) - 2, floor = brightness(x, y1);
    int top = y1 - 1, bottom = y2;
    while (brightness(x, top) <= floor) top--;
    while (brightness(x, bottom) <= floor) bottom++;
    EXPECT_GE(y1 - 1 - top, 2) << "the number at " << x << "," << y1;
    EXPECT_NEAR(y1 - 1 - top, bottom - y2, 1) << "the number at " << x << "," << y1;
  }
  EXPECT_EQ(numbers, 8) << "score, level, blocks and clears of both players";
}

}  // namespace
