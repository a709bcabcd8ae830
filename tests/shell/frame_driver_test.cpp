// The frame driver: pacing, presentation, the menu pulse and the fades between states.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "board/supply.h"
#include "shell/frame_driver.h"
#include "shell/global_bitmaps.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

class FrameDriver : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    prepare_play_screen();
    game_mode = MODE_ONE_PLAYER;
    for (int player = 0; player < 2; player++) {
      player_slots[player] = PlayerSlot{};
      player_slots[player].state = STATE_JOIN_MENU;
      message_slide[player] = 0;
      menu_pulse[player] = 5;
      menu_pulse_step[player] = 1;
    }
  }
};

TEST_F(FrameDriver, WaitsFor33MillisecondsAndNeverLessThanOneRest)
{
  run_frame();
  EXPECT_EQ(fake.now_ms, 33);
  EXPECT_EQ(tick_counter, 0);

  // A frame that already took longer starts the next one after a single 1 ms rest.
  tick_counter = 80;
  const int before = fake.now_ms;
  run_frame();
  EXPECT_EQ(fake.now_ms - before, 1);
  EXPECT_EQ(tick_counter, 0);
}

TEST_F(FrameDriver, PresentsTheComposedFrameExceptTheLeftmost15Columns)
{
  clear_to_color(screen, makecol(0, 0, 255));
  clear_to_color(back_buffer, makecol(255, 0, 0));
  run_frame();
  EXPECT_EQ(getpixel(screen, 14, 100), makecol(0, 0, 255));
  EXPECT_EQ(getpixel(screen, 15, 100), makecol(255, 0, 0));
  EXPECT_EQ(getpixel(screen, 639, 479), makecol(255, 0, 0));
}

TEST_F(FrameDriver, MenuPulseSwingsBetween1And31)
{
  std::vector<int> pulse;
  for (int frame = 0; frame < 60; frame++) {
    run_frame();
    pulse.push_back(menu_pulse[0]);
  }
  EXPECT_EQ(pulse[0], 6);
  EXPECT_EQ(pulse[25], 31);
  EXPECT_EQ(pulse[26], 30);
  EXPECT_EQ(pulse[55], 1);
  EXPECT_EQ(pulse[56], 2);
  EXPECT_EQ(menu_pulse[1], menu_pulse[0]);
}

TEST_F(FrameDriver, JoinMenuShowsItsPictureAndTheHighlightOnTheSelection)
{
  menu_selection[1] = 2;
  run_frame();
  BITMAP *highlight = item_bitmap(ITEM_MENU_HIGHLIGHT);
  // The highlight frame for pulse 6 is frame 1; its left edge sits at x 365 + 37.
  const int y = 124 + 33 * 2;
  EXPECT_EQ(getpixel(back_buffer, 365 + 37, y + 10), getpixel(highlight, 0, 36 + 10));
  BITMAP *menu = item_bitmap(ITEM_JOIN_MENU);
  EXPECT_EQ(getpixel(back_buffer, 36 + 80, 80 + 20), getpixel(menu, 80, 20));
}

TEST_F(FrameDriver, LevelPanelFadesInOver86FramesAndOutOver85ThenTheNextLevelStarts)
{
  start_level(0, true);
  reset_board(0, true);
  PlayerSlot &slot = player_slots[0];
  slot.state = STATE_LEVEL_COMPLETE;
  slot.fade_alpha = 0;
  slot.level_bonus = 500;
  slot.score = 1000;

  int frames = 0;
  while (slot.state == STATE_LEVEL_COMPLETE) {
    run_frame();
    frames++;
  }
  EXPECT_EQ(frames, 86);
  EXPECT_EQ(slot.score, 1500);
  EXPECT_EQ(slot.fade_alpha, 252) << "the fade-out begins in the same frame";

  while (slot.state == STATE_LEVEL_FADE_OUT) {
    run_frame();
    frames++;
  }
  EXPECT_EQ(frames, 86 + 84);
  EXPECT_EQ(slot.state, STATE_LEVEL_START);
  EXPECT_EQ(slot.level, 2);
  EXPECT_EQ(slot.score, 1500) << "the level bonus is added once";
  EXPECT_EQ(slot.fade_alpha, 0);
}

TEST_F(FrameDriver, VersusWinnerRisesLoserSinksAndBothReturnToTheMenu)
{
  for (int player = 0; player < 2; player++) {
    menu_selection[player] = 3;
    player_slots[player].fade_alpha = 0;
  }
  player_slots[0].state = STATE_VERSUS_WON;
  player_slots[1].state = STATE_VERSUS_LOST;

  int frames = 0;
  while (player_slots[0].state != STATE_JOIN_MENU && frames < 500) {
    run_frame();
    frames++;
    if (player_slots[0].state == STATE_WINNER_FADE_OUT) {
      EXPECT_EQ(player_slots[1].state, STATE_LOSER_FADE_OUT);
    }
  }
  // In by 2 up to 254 in 127 frames; the 128th turns to fading out, by 4 down to 2 in the
  // 190th; the 191st ends it.
  EXPECT_EQ(frames, 191);
  for (int player = 0; player < 2; player++) {
    EXPECT_EQ(player_slots[player].state, STATE_JOIN_MENU);
    EXPECT_EQ(menu_selection[player], 0);
    EXPECT_EQ(message_slide[player], 0);
  }
}

TEST_F(FrameDriver, VersusPicturesSlideOnePixelPerFrame)
{
  player_slots[0].state = STATE_VERSUS_WON;
  player_slots[1].state = STATE_VERSUS_LOST;
  for (int frame = 0; frame < 60; frame++) run_frame();
  EXPECT_EQ(message_slide[0], 60);
  EXPECT_EQ(message_slide[1], 60);
  EXPECT_EQ(player_slots[0].fade_alpha, 120);
  // Drawn in the 60th frame: the winner picture 59 pixels above y 160, the loser's below.
  BITMAP *winner = item_bitmap(ITEM_VERSUS_WINNER);
  BITMAP *loser = item_bitmap(ITEM_VERSUS_LOSER);
  auto covered = [](int x, int y) { return getpixel(back_buffer, x, y) != getpixel(background_buffer, x, y); };
  EXPECT_TRUE(covered(81 + winner->w / 2, 101 + 2));
  EXPECT_FALSE(covered(81 + winner->w / 2, 101 + winner->h + 2));
  EXPECT_TRUE(covered(365 + 81 + loser->w / 2, 219 + loser->h - 3));
  EXPECT_FALSE(covered(365 + 81 + loser->w / 2, 219 - 3));
}

TEST_F(FrameDriver, PausedPlayerShowsThePausePicture)
{
  start_level(1, true);
  reset_board(1, true);
  player_slots[1].state = STATE_PAUSED;
  run_frame();
  BITMAP *pause = item_bitmap(ITEM_PAUSE);
  EXPECT_EQ(getpixel(back_buffer, 365 + 81 + pause->w / 2, 170 + pause->h / 2),
            getpixel(pause, pause->w / 2, pause->h / 2));
}

}  // namespace
