// The control settings screen, pass by pass: key fields and their refusals, the device editor
// and the rules of a mouse player, F1 and the guard after entry.
#include <allegro.h>
#include <gtest/gtest.h>

#include <initializer_list>

#include "control/bindings.h"
#include "control/settings_screen.h"
#include "tests/support/headless.h"

namespace {

class SettingsScreenTest : public ::testing::Test {
protected:
  SettingsScreen settings{};

  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
  }
  void TearDown() override { destroy_bitmap(settings.settings_buffer); }

  void pass(int count = 1) { while (count-- > 0) run_settings_pass(settings); }

  // Quick presses, each once the guard has run out and the last key is up: typed into the
  // buffer, and down for 120 ms.
  void tap(std::initializer_list<int> codes)
  {
    for (const int code : codes) {
      while (settings.nav_passes < 10 || (!fake.key_holds.empty() && key[fake.key_holds.back().code]))
        pass();
      key[code] = 1;
      fake.typed_keys.push_back(code);
      fake.key_holds.push_back({code, fake.now_ms, fake.now_ms + 120, 1});
      pass();
    }
  }

  void type(int code) { fake.typed_keys.push_back(code), pass(); }
};

TEST_F(SettingsScreenTest, KeyFieldsRefuseKeysBoundElsewhereAndFunctionKeys)
{
  open_settings_screen(settings);
  tap({KEY_DOWN, KEY_ENTER});  // Player 1's move left
  type(KEY_LEFT);  // Player 2's move left
  EXPECT_TRUE(settings.editing) << "the field stays open";
  EXPECT_EQ(settings.settings_error, ERR_KEY_USED);

  for (int code : {KEY_F1, KEY_F12}) {
    type(code);
    EXPECT_EQ(settings.settings_error, ERR_FUNCTION_KEY) << code;
  }
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_A);

  type(KEY_A);
  EXPECT_FALSE(settings.editing) << "his own key is stored again";
  tap({KEY_ENTER});
  type(KEY_Q);
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_Q);
}

TEST_F(SettingsScreenTest, TheDeviceEditorAndTheRulesOfAMousePlayer)
{
  open_settings_screen(settings);
  tap({KEY_ENTER, KEY_LEFT});
  EXPECT_EQ(settings.device_choice[0], DEVICE_GAMEPAD2) << "left from the keyboard wraps";
  tap({KEY_RIGHT, KEY_RIGHT, KEY_ESC});
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD) << "ESC puts back the device it opened on";
  tap({KEY_ENTER, KEY_RIGHT, KEY_RIGHT, KEY_ENTER});
  EXPECT_EQ(control_bindings[0].device, DEVICE_MOUSE2);

  // Player 1 on mouse2 now: Player 2's device row is refused.
  tap({KEY_RIGHT, KEY_ENTER});
  pass();  // ENTER is read after the messages are drawn
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.settings_error, ERR_MOUSE_USED);

  // Of his own keys he may change only pause.
  while (settings.settings_error != ERR_NONE) pass();
  tap({KEY_LEFT, KEY_UP, KEY_UP, KEY_UP, KEY_ENTER});
  EXPECT_EQ(settings.selected_row, 7) << "up from the device row wraps to pause, then climbs";
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.settings_error, ERR_NOT_CHANGEABLE);
  while (settings.settings_error != ERR_NONE) pass();
  tap({KEY_DOWN, KEY_DOWN, KEY_ENTER});
  EXPECT_TRUE(settings.editing) << "his pause key can be changed";
}

// The devices run keyboard, three mouse layouts, the computer at three strengths. A player the
// computer plays keeps his keys stored but can change none of them here.
TEST_F(SettingsScreenTest, TheComputerIsChosenLikeAnyDeviceAndKeepsItsKeysUnchanged)
{
  open_settings_screen(settings);
  tap({KEY_RIGHT, KEY_ENTER});
  for (int step = 0; step < 5; step++) tap({KEY_RIGHT});
  EXPECT_EQ(settings.device_choice[1], DEVICE_COMPUTER_NORMAL);
  tap({KEY_ENTER});
  EXPECT_EQ(control_bindings[1].device, DEVICE_COMPUTER_NORMAL);
  EXPECT_STREQ(device_name(DEVICE_COMPUTER_NORMAL), "computer: normal");

  for (const int row : {FIRST_KEY_ROW, FIRST_KEY_ROW + ACTION_PAUSE}) {
    while (settings.settings_error != ERR_NONE) pass();
    settings.selected_row = row;
    tap({KEY_ENTER});
    pass();
    EXPECT_FALSE(settings.editing) << row;
    EXPECT_EQ(settings.settings_error, ERR_NOT_CHANGEABLE) << row;
  }
  EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], KEY_PGUP);
}

// Two players never share a pad: each one's editor passes over the other's. A pad player's
// keys are shown as the pad's layout and cannot be changed here.
TEST_F(SettingsScreenTest, APadTakenByOnePlayerIsPassedOverInTheOthersEditor)
{
  open_settings_screen(settings);
  tap({KEY_RIGHT, KEY_ENTER, KEY_LEFT, KEY_LEFT, KEY_ENTER});
  EXPECT_EQ(control_bindings[1].device, DEVICE_GAMEPAD1);
  tap({KEY_LEFT, KEY_ENTER, KEY_LEFT});
  EXPECT_EQ(settings.device_choice[0], DEVICE_GAMEPAD2);
  tap({KEY_LEFT});
  EXPECT_EQ(settings.device_choice[0], DEVICE_COMPUTER_HARD) << "gamepad 1 is Player 2's";
  tap({KEY_RIGHT, KEY_RIGHT});
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD) << "and again on the way up";
  tap({KEY_ESC});

  settings.selected_player = 1;
  settings.selected_row = FIRST_KEY_ROW + ACTION_PAUSE;
  tap({KEY_ENTER});
  pass();
  EXPECT_EQ(settings.settings_error, ERR_NOT_CHANGEABLE);
}

TEST_F(SettingsScreenTest, EntryWaitsTenPassesAndF1Resets)
{
  control_bindings[0].device = DEVICE_MOUSE3;
  control_bindings[0].keys[ACTION_PAUSE] = KEY_P;
  open_settings_screen(settings);
  key[KEY_ENTER] = 1;  // still held from the menu that opened the screen
  pass(10);
  EXPECT_FALSE(settings.editing);
  pass();
  EXPECT_TRUE(settings.editing);
  key[KEY_ENTER] = 0;
  tap({KEY_ESC, KEY_F1});
  EXPECT_EQ(control_bindings[0].keys[ACTION_PAUSE], KEY_5);
  EXPECT_EQ(control_bindings[0].device, DEVICE_KEYBOARD);
}

}  // namespace
