// The main loop's function keys, the high-score view's step and the quit question.
#include <allegro.h>
#include <gtest/gtest.h>
#include <vector>

#include "base/leave_request.h"
#include "control/bindings.h"
#include "shell/main_loop.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

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

  // The passes, from 1, in which the held keys changed the value.
  template <typename T> static std::vector<int> changes(const T &value, int passes)
  {
    std::vector<int> changed;
    for (int pass = 1; pass <= passes; pass++)
      if (const T before = value; handle_function_keys(), value != before) changed.push_back(pass);
    return changed;
  }
};

TEST_F(MainLoop, FunctionKeysActOncePerGuardPeriodF3OnlyWhileNobodyPlaysAndF2KeepsAScreen)
{
  key[KEY_F1] = 1;
  EXPECT_EQ(changes(music_on, 93), (std::vector<int>{31, 62, 93}));
  EXPECT_EQ(fake.music_stops, 2);
  key[KEY_F1] = 0;
  key[KEY_F3] = 1;
  EXPECT_EQ(changes(difficulty, 63), (std::vector<int>{21, 42, 63}));
  EXPECT_EQ(difficulty, 1) << "2, 0, then 1 again";

  // While somebody plays F3 only resets the guard, which holds F1 back too.
  player_slots[1].state = STATE_PAUSED;
  key[KEY_F1] = 1;
  global_key_guard = 25;
  EXPECT_TRUE(changes(music_on, 31).empty());
  EXPECT_EQ(difficulty, 1);
  player_slots[1].state = STATE_HIGH_SCORES;  // the high-score view is not playing
  key[KEY_F1] = 0;
  global_key_guard = 21;
  EXPECT_EQ(changes(difficulty, 1), (std::vector<int>{1}));

  // F2 switches to the other mode, falls back to the one it had, and without any gives up.
  auto f2 = [] { global_key_guard = 30; handle_function_keys(); };
  key[KEY_F2] = 1;
  f2();
  fake.failing_gfx_cards = {GFX_AUTODETECT_FULLSCREEN};
  f2();
  EXPECT_TRUE(windowed) << "full screen failed, the window came back";
  fake.failing_gfx_cards = {GFX_AUTODETECT_WINDOWED, GFX_AUTODETECT_FULLSCREEN};
  global_key_guard = 30;
  EXPECT_EXIT(handle_function_keys(), ::testing::ExitedWithCode(1), "lost its screen");
}

TEST_F(MainLoop, TheHighScoreViewAndTheQuitQuestionWaitForTheirKeys)
{
  // The high-score view leaves, once its timer has run out, on its owner's keys or any button.
  PlayerSlot &slot = player_slots[1];
  slot.state = STATE_HIGH_SCORES;
  slot.timer = 1;
  key[control_bindings[0].keys[ACTION_PAUSE]] = 1;
  run_player_steps();
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_HIGH_SCORES) << "the other player's keys do not leave this view";
  mouse_b = 2;
  run_player_steps();
  EXPECT_EQ(slot.state, STATE_JOIN_MENU) << "one mouse serves both players, whatever their device";
  EXPECT_EQ(slot.timer, 10) << "the menu's lock";

  key[KEY_Z] = 1;
  EXPECT_TRUE(ask_quit_question()) << "Z answers yes as Y does";
  request_close();
  EXPECT_FALSE(run_main_loop_pass()) << "closing the window ends the loop";
  clear_close_request();
}
