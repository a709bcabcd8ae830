// The main loop's function keys, per-player steps and quit question, stepped pass by pass.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "board/board.h"
#include "control/bindings.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
#include "tests/support/headless.h"

namespace {

class MainLoop : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
    global_key_guard = 0;
    music_on = true;
    windowed = false;
    difficulty = 1;
    for (PlayerSlot &slot : player_slots) {
      slot = PlayerSlot{};
      slot.state = STATE_JOIN_MENU;
    }
  }

  // Runs the function keys for a number of passes; returns the passes in which `changed`
  // reported a change.
  template <typename Changed> std::vector<int> passes_with_change(int passes, Changed changed)
  {
    std::vector<int> hits;
    for (int pass = 1; pass <= passes; pass++) {
      const auto before = changed();
      handle_function_keys();
      if (changed() != before) hits.push_back(pass);
    }
    return hits;
  }
};

TEST_F(MainLoop, HeldF1TogglesTheMusicOncePer31Passes)
{
  key[KEY_F1] = 1;
  const auto toggles = passes_with_change(93, [] { return music_on; });
  EXPECT_EQ(toggles, (std::vector<int>{31, 62, 93}));
  EXPECT_EQ(fake.music_stops, 2);
  EXPECT_EQ(fake.music_starts, 1);
  EXPECT_FALSE(music_on);
}

TEST_F(MainLoop, F3CyclesTheDifficultyOncePer21PassesWhileNobodyPlays)
{
  key[KEY_F3] = 1;
  std::vector<int> seen;
  for (int pass = 1; pass <= 84; pass++) {
    const int before = difficulty;
    handle_function_keys();
    if (difficulty != before) seen.push_back(difficulty);
    if (pass == 20) {
      EXPECT_EQ(difficulty, 1);
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 0, 1, 2}));

  // The high-score view counts as not playing too.
  player_slots[1].state = STATE_HIGH_SCORES;
  global_key_guard = 21;
  handle_function_keys();
  EXPECT_EQ(difficulty, 0);
}

TEST_F(MainLoop, F3WhileSomebodyPlaysChangesNothingButStillResetsTheGuard)
{
  player_slots[1].state = STATE_PAUSED;
  key[KEY_F3] = 1;
  global_key_guard = 25;
  handle_function_keys();
  EXPECT_EQ(difficulty, 1);
  EXPECT_EQ(global_key_guard, 0);

  // The other keys now wait for the guard to pass their threshold again.
  key[KEY_F3] = 0;
  key[KEY_F1] = 1;
  const auto toggles = passes_with_change(31, [] { return music_on; });
  EXPECT_EQ(toggles, (std::vector<int>{31}));
}

TEST_F(MainLoop, AHandledKeyHoldsBackTheOthers)
{
  key[KEY_F1] = key[KEY_F2] = 1;
  global_key_guard = 30;
  handle_function_keys();
  EXPECT_FALSE(music_on);
  EXPECT_FALSE(windowed) << "F2 in the same pass must wait, F1 reset the guard";
  EXPECT_TRUE(fake.gfx_mode_requests.empty());
}

TEST_F(MainLoop, F2SwitchesBetweenFullScreenAndWindow)
{
  key[KEY_F2] = 1;
  global_key_guard = 30;
  handle_function_keys();
  EXPECT_TRUE(windowed);
  global_key_guard = 30;
  handle_function_keys();
  EXPECT_FALSE(windowed);
  EXPECT_EQ(fake.gfx_mode_requests, (std::vector<int>{GFX_AUTODETECT_WINDOWED, GFX_AUTODETECT_FULLSCREEN}));
  // The background is laid on the screen after the switch.
  EXPECT_EQ(getpixel(screen, 3, 3), getpixel(item_bitmap(ITEM_BACKGROUND), 3, 3));
}

TEST_F(MainLoop, F2KeepsAWorkingScreenWhenTheOtherModeFails)
{
  key[KEY_F2] = 1;
  global_key_guard = 30;
  fake.failing_gfx_cards = {GFX_AUTODETECT_FULLSCREEN};
  windowed = true;
  handle_function_keys();
  EXPECT_TRUE(windowed);
  EXPECT_EQ(fake.gfx_mode_requests, (std::vector<int>{GFX_AUTODETECT_FULLSCREEN, GFX_AUTODETECT_WINDOWED}));

  // When no mode at all can be had the game cannot go on.
  fake = FakePlatform{};
  fake.failing_gfx_cards = {GFX_AUTODETECT_WINDOWED, GFX_AUTODETECT_FULLSCREEN};
  windowed = false;
  global_key_guard = 30;
  EXPECT_EXIT(handle_function_keys(), ::testing::ExitedWithCode(1), "lost its screen");
}

TEST_F(MainLoop, HighScoreViewLeavesOnAnyBoundKeyOrMouseButtonOnceItsTimerRanOut)
{
  PlayerSlot &slot = player_slots[1];
  slot.state = STATE_HIGH_SCORES;
  slot.timer = 2;
  mouse_b = 1;
  run_player_steps();
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_HIGH_SCORES);
  EXPECT_EQ(slot.timer, 0);
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_JOIN_MENU) << "one mouse serves both players, whatever their device";
  EXPECT_EQ(slot.timer, 10);

  mouse_b = 0;
  slot.state = STATE_HIGH_SCORES;
  slot.timer = 0;
  key[control_bindings[0].keys[ACTION_PAUSE]] = 1;
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_HIGH_SCORES) << "the other player's keys do not leave this view";
  key[control_bindings[1].keys[ACTION_TURN_LEFT]] = 1;
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_JOIN_MENU);
}

TEST_F(MainLoop, QuitQuestionAnswersYesWithYOrZAndNoWithN)
{
  for (int answer : {KEY_Y, KEY_Z, KEY_N}) {
    reset_fake_platform();
    clear_bitmap(screen);
    key[answer] = 1;
    EXPECT_EQ(ask_quit_question(), answer != KEY_N);
    EXPECT_EQ(fake.now_ms, 200) << "the question waits 200 ms before it reads the keys";
  }
  BITMAP *question = item_bitmap(ITEM_QUIT_QUESTION);
  EXPECT_EQ(getpixel(screen, 196 + 124, 120 + 27), getpixel(question, 124, 27));
}

TEST_F(MainLoop, ClosingTheWindowEndsTheLoop)
{
  request_close();
  EXPECT_FALSE(run_main_loop_pass());
  EXPECT_TRUE(ask_quit_question());
  clear_close_request();
}

TEST_F(MainLoop, EntryPutsBothPlayersInTheJoinMenuWithFreshNames)
{
  for (int player = 0; player < 2; player++) {
    player_slots[player].state = STATE_GAME_OVER;
    strcpy(player_slots[player].name, "ABC");
    menu_selection[player] = 3;
    row_lamps[player][5].replacement = 2;
    row_lamps[player][5].replace_alpha = 100;
    lamp_carriers[player][7].x = 400;
  }
  difficulty = 2;
  enter_main_loop();
  EXPECT_EQ(difficulty, 1);
  for (int player = 0; player < 2; player++) {
    EXPECT_EQ(player_slots[player].state, STATE_JOIN_MENU);
    EXPECT_STREQ(player_slots[player].name, "...");
    for (int letter : player_slots[player].name_letters) EXPECT_EQ(letter, ' ');
    EXPECT_EQ(menu_selection[player], 0);
    EXPECT_EQ(row_lamps[player][5].replacement, 0);
    EXPECT_EQ(row_lamps[player][5].replace_alpha, 0);
    EXPECT_EQ(lamp_carriers[player][7].x, 0);
  }
  EXPECT_EQ(mouse_y, 124) << "the pointer waits on the first menu entry";
}

}  // namespace
