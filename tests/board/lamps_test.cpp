// The row lamps stepped frame by frame on hand-laid boards: charging, firing together, fading,
// start-up glows, and burn-outs with the replacement they start.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/lamps.h"
#include "board/power.h"
#include "state/game_state.h"
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

TEST_F(Lamps, APoweredRowFiresWhenFullAndLampsFireTogetherOnceNoneIsCharging)
{
  lay_row(0, 13, "------");
  lamp(13).glow = 5;
  update_power(false);
  EXPECT_EQ(frames_until_clear(60), 60);
  EXPECT_EQ(lamp(13).shots_left, 2);

  // Powered again while it fades, it waits for the lamp of row 12 and both fire together.
  clear_phase[0] = CLEAR_NONE;
  for (auto &column : board[0]) column[13].vanish_timer = 0;
  lay_row(0, 12, "------");
  update_power(false);
  EXPECT_EQ(frames_until_clear(3), -1);
  EXPECT_EQ(player_slots[0].clear_chain, 1) << "the lamp of row 12 still charges";
  EXPECT_EQ(frames_until_clear(60), 58);
  EXPECT_EQ(player_slots[0].clear_chain, 3);
}

TEST_F(Lamps, ALampThatLosesPowerFadesWithoutFiringAndAStartUpGlowNeverFires)
{
  lay_row(0, 13, "------");
  lamp(13).glow = 245;
  update_power(false);
  update_lamps();
  board[0][2][13].kind = TILE_EMPTY;
  update_power(false);
  EXPECT_EQ(frames_until_clear(60), -1);
  EXPECT_EQ(lamp(13).glow, 0);

  for (int row = 1; row <= PLAYING_ROWS; row++) lamp(row) = {0, LAMP_START_UP, 5, 3};
  EXPECT_EQ(frames_until_clear(100), -1);
  EXPECT_EQ(player_slots[0].clear_chain, 0);
}

TEST_F(Lamps, ABurnOutStartsACarrierAndAReplacementOf255Frames)
{
  lay_row(0, 1, "------");
  lamp(1) = {5, LAMP_POWERED, 300, 1};
  update_lamps();
  for (auto &column : board[0]) column[1].vanish_timer = 0;  // the cleared row stays laid
  EXPECT_EQ(sounds_played(ITEM_SOUND_BURN_OUT), 1);
  const int image = lamp(1).replacement;
  EXPECT_TRUE(image >= 1 && image <= 3);
  EXPECT_EQ(lamp_carriers[0][0].colour, 0) << "it brings the next colour, after 5 comes 0";

  // While the new lamp fades in, the row cannot complete a path.
  for (int frame = 1; frame <= 254; frame++) update_lamps();
  update_power(false);
  EXPECT_EQ(board[0][5][1].power, POWER_FROM_LEFT);
  EXPECT_EQ(lamp(1).replacement, image);
  update_lamps();
  EXPECT_EQ(lamp(1).replacement, 0);
  EXPECT_EQ(lamp(1).state * 1000 + lamp(1).glow, LAMP_DARK * 1000) << "in place, dark";
  EXPECT_EQ(lamp(1).colour, 0);
  // Its colour's mark now stands in the background beside it.
  for (int y = 0; y < COLOUR_CHIP_HEIGHT; y++)
    for (int x = 0; x < COLOUR_CHIP_WIDTH; x++)
      ASSERT_EQ(getpixel(background_buffer, 210 + x, 62 + y),
                getpixel(item_bitmap(ITEM_COLOUR_CHIPS), x, y)) << x << ", " << y;
}

}  // namespace
