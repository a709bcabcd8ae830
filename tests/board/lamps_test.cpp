// The row lamps stepped frame by frame on hand-laid boards: charging, firing together, fading,
// start-up glows, burn-outs with their carriers and sparks, and the clear that firing starts.
#include <gtest/gtest.h>

#include "board/board.h"
#include "board/lamps.h"
#include "board/power.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Lamps : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
  }

  static RowLamp &lamp(int row) { return row_lamps[0][row - 1]; }

  // Steps frames until a clear starts; returns the frames taken, or -1 after `limit`.
  static int frames_until_clear(int limit)
  {
    for (int frame = 1; frame <= limit; frame++) {
      update_lamps();
      if (clear_phase[0] == CLEAR_RUNNING) return frame;
    }
    return -1;
  }
};

TEST_F(Lamps, APoweredRowChargesArmsAndFiresItsClearInTheFrameAfterFull)
{
  lay_row(0, 13, "------");
  lamp(13).glow = 5;
  update_power(false);
  for (int frame = 1; frame <= 59; frame++) {
    update_lamps();
    ASSERT_EQ(clear_phase[0], lamp(13).glow > 200 ? CLEAR_ARMED : CLEAR_NONE) << frame;
  }
  EXPECT_EQ(frames_until_clear(1), 1);
  EXPECT_EQ(player_slots[0].clear_chain, 1);
  EXPECT_EQ(lamp(13).glow, 299) << "a fired lamp fades out from just below full";
  EXPECT_EQ(lamp(13).shots_left, 2);
  EXPECT_EQ(board[0][5][13].vanish_timer, 14);
  EXPECT_EQ(sounds_played(ITEM_SOUND_CLEAR), 1);

  // Powered again while it fades, it charges from there and fires again.
  clear_phase[0] = CLEAR_NONE;
  for (auto &column : board[0]) column[13].vanish_timer = 0;
  lay_row(0, 12, "------");
  update_power(false);
  EXPECT_EQ(frames_until_clear(3), -1);
  EXPECT_EQ(player_slots[0].clear_chain, 1) << "the lamp of row 12 still charges";
  EXPECT_EQ(frames_until_clear(60), 58);
  EXPECT_EQ(player_slots[0].clear_chain, 3) << "both fire together";
}

TEST_F(Lamps, ALampThatLosesPowerFadesWithoutFiringAndAStartUpGlowNeverFires)
{
  lay_row(0, 13, "------");
  lamp(13).glow = 245;
  update_power(false);
  update_lamps();
  board[0][2][13].kind = TILE_EMPTY;  // the path breaks at glow 250
  update_power(false);
  for (int frame = 1; frame <= 50; frame++) {
    update_lamps();
    ASSERT_EQ(lamp(13).glow, 250 - 5 * frame);
  }

  for (int row = 1; row <= PLAYING_ROWS; row++) lamp(row) = {0, LAMP_START_UP, 5, 3};
  EXPECT_EQ(frames_until_clear(100), -1);
  EXPECT_EQ(lamp(1).state, LAMP_DARK) << "the start-up glow ends past 250";
  EXPECT_EQ(player_slots[0].clear_chain, 0);
}

TEST_F(Lamps, ABurnOutStartsACarrierSparksAndAReplacementOf255Frames)
{
  lay_row(0, 1, "------");
  lamp(1) = {5, LAMP_POWERED, 300, 1};
  update_lamps();
  for (auto &column : board[0]) column[1].vanish_timer = 0;  // the cleared row stays laid
  EXPECT_EQ(sounds_played(ITEM_SOUND_BURN_OUT), 1);
  const int image = lamp(1).replacement;
  EXPECT_TRUE(image >= 1 && image <= 3);
  const LampCarrier &carrier = lamp_carriers[0][0];
  EXPECT_EQ(carrier.x * 1000 + carrier.y, 240 * 1000 - 416);
  EXPECT_EQ(carrier.colour, 0) << "it brings the next colour, after 5 comes 0";
  for (const Spark &spark : sparks[0][0]) {
    EXPECT_TRUE(spark.x >= 215 && spark.x < 230 && spark.y >= 55 && spark.y < 70);
    EXPECT_TRUE(spark.weight >= 1 && spark.weight <= 10 && spark.t > 0.05f && spark.t < 0.45f);
  }

  // Ten frames into the fade-in the row can no longer complete a path; the carrier leaves at
  // 230, and 255 frames after the burn-out the new lamp is in place.
  for (int frame = 1; frame <= 254; frame++) {
    update_lamps();
    if (frame == 10) {
      update_power(false);
      EXPECT_EQ(board[0][5][1].power, POWER_FROM_LEFT);
    }
    if (frame == 229 || frame == 230) {
      EXPECT_EQ(carrier.phase, frame == 230 ? 1 : 0);
    }
  }
  EXPECT_EQ(lamp(1).replacement, image);
  update_lamps();
  EXPECT_EQ(lamp(1).replacement, 0);
  EXPECT_EQ(lamp(1).colour, 0);
  EXPECT_TRUE(lamp(1).shots_left >= 2 && lamp(1).shots_left <= 6);
}

}  // namespace
