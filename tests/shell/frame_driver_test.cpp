// The frame driver: pacing, presentation, the pictures by state and the fades between states.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/display.h"
#include "base/global_bitmaps.h"
#include "shell/frame_driver.h"
#include "shell/prerender.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

class FrameDriver : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();  // no lamps or carriers left by earlier tests over the sockets
    prepare_play_screen();
    game_mode = MODE_ONE_PLAYER;
    for (int player = 0; player < 2; player++) {
      player_slots[player] = PlayerSlot{};
      player_slots[player].state = STATE_JOIN_MENU;
      message_slide[player] = menu_selection[player] = 0;
    }
  }

  // The frames run until the player leaves the state.
  static int frames_in(int player, int state)
  {
    int frames = 0;
    for (; player_slots[player].state == state && frames < 1000; frames++) run_frame();
    return frames;
  }
};

TEST_F(FrameDriver, PacesTo33MillisecondsAndPresentsAllButTheLeftmost15Columns)
{
  clear_to_color(game_screen, makecol(0, 0, 255));
  clear_to_color(back_buffer, makecol(255, 0, 0));
  run_frame();
  EXPECT_EQ(fake.now_ms, 33);
  EXPECT_EQ(getpixel(screen, 14, 100), makecol(0, 0, 255));
  EXPECT_EQ(getpixel(screen, 15, 100), makecol(255, 0, 0));
  // A frame that already took longer starts the next one after a single 1 ms rest.
  tick_counter = 80;
  run_frame();
  EXPECT_EQ(fake.now_ms, 34);
  EXPECT_EQ(tick_counter, 0);
}

// The pictures fade in by 2 to 254 in 127 frames, then out by 4; the 191st frame ends them.
TEST_F(FrameDriver, VersusPicturesFadeInAndOutThenBothPlayersReturnToTheMenu)
{
  menu_selection[0] = menu_selection[1] = 3;
  player_slots[0].state = STATE_VERSUS_WON;
  player_slots[1].state = STATE_VERSUS_LOST;
  EXPECT_EQ(frames_in(0, STATE_VERSUS_WON), 128);
  EXPECT_EQ(player_slots[1].state, STATE_LOSER_FADE_OUT);
  EXPECT_EQ(frames_in(0, STATE_WINNER_FADE_OUT), 63);
  for (int player = 0; player < 2; player++) {
    EXPECT_EQ(player_slots[player].state, STATE_JOIN_MENU);
    EXPECT_EQ(menu_selection[player] + message_slide[player], 0);
  }
}
