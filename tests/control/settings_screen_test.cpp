// The control settings screen, pass by pass: key fields and their refusals, the mouse rules,
// the device editor, navigation, F1 and the guard after entry.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "control/bindings.h"
#include "control/settings_screen.h"
#include "shell/resources.h"
#include "shell/startup.h"
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

  void pass(int count = 1)
  {
    for (int i = 0; i < count; i++) run_settings_pass(settings);
  }

  // A quick press once the guard has run out and the last key is up: typed into the buffer,
  // and down for 120 ms.
  void tap(int code)
  {
    while (settings.nav_passes < 10 || (!fake.key_holds.empty() && key[fake.key_holds.back().code]))
      pass();
    key[code] = 1;
    fake.typed_keys.push_back(code);
    fake.key_holds.push_back({code, fake.now_ms, fake.now_ms + 120, 1});
    pass();
  }

  void type(int code)
  {
    fake.typed_keys.push_back(code);
    pass();
  }

  // Whether the text is on the screen in red: printing it there again changes nothing.
  bool shows_in_red(const char *text, FONT *text_font, int x, int y)
  {
    BITMAP *copy = create_bitmap(640, 480);
    blit(screen, copy, 0, 0, 0, 0, 640, 480);
    textout_ex(copy, text_font, text, x, y, makecol(255, 0, 0), -1);
    bool same = true;
    for (int row = 0; row < 480; row++)
      same &= memcmp(copy->line[row], screen->line[row], 640 * 2) == 0;
    destroy_bitmap(copy);
    return same;
  }
  bool message_shows(const char *text, int y = 338)
  {
    return shows_in_red(text, font, 320 - text_length(font, text) / 2, y);
  }
};

TEST_F(SettingsScreenTest, KeyFieldsRefuseKeysBoundElsewhereAndFunctionKeys)
{
  open_settings_screen(settings);
  tap(KEY_DOWN);
  tap(KEY_ENTER);  // Player 1's move left
  type(KEY_LEFT);  // Player 2's move left
  EXPECT_TRUE(settings.editing) << "the field stays open";
  EXPECT_TRUE(message_shows("this key is already used!"));
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 1);
  pass();
  EXPECT_TRUE(shows_in_red(" !!! error !!!", font_messages, 200, 156));

  type(KEY_F5);
  EXPECT_TRUE(message_shows("you really won't this"));
  type(KEY_F12);
  EXPECT_EQ(settings.settings_error, ERR_FUNCTION_KEY);
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_A);

  type(KEY_A);
  EXPECT_FALSE(settings.editing) << "his own key is stored again";
  EXPECT_EQ(settings.settings_error, ERR_NONE);
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 3);
  tap(KEY_ENTER);
  type(KEY_Q);
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_Q);
}

TEST_F(SettingsScreenTest, AMousePlayerChangesOnlyHisPauseKeyAndOneMouseAtMost)
{
  control_bindings[0].device = DEVICE_MOUSE2;
  open_settings_screen(settings);
  tap(KEY_RIGHT);
  tap(KEY_ENTER);  // Player 2's device
  pass();          // ENTER is read after the messages are drawn
  EXPECT_FALSE(settings.editing);
  EXPECT_TRUE(message_shows("mouse is already used!", 132));

  while (settings.settings_error != ERR_NONE) pass();
  tap(KEY_LEFT);
  tap(KEY_UP);
  tap(KEY_UP);
  tap(KEY_UP);  // Player 1's turn block left
  tap(KEY_ENTER);
  pass();
  EXPECT_FALSE(settings.editing);
  EXPECT_TRUE(message_shows("not changeable!"));
  while (settings.settings_error != ERR_NONE) pass();
  tap(KEY_DOWN);
  tap(KEY_DOWN);
  tap(KEY_ENTER);
  EXPECT_TRUE(settings.editing) << "his pause key can be changed";
}

TEST_F(SettingsScreenTest, DeviceEditorWrapsAndEscRestoresTheDeviceShownWhenItOpened)
{
  open_settings_screen(settings);
  tap(KEY_ENTER);
  tap(KEY_LEFT);
  EXPECT_EQ(settings.device_choice[0], DEVICE_MOUSE3) << "left from the keyboard";
  tap(KEY_RIGHT);
  tap(KEY_RIGHT);
  EXPECT_EQ(settings.device_choice[0], DEVICE_MOUSE1) << "right from mouse3 to the keyboard";
  tap(KEY_ESC);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD);
  EXPECT_EQ(control_bindings[0].device, DEVICE_KEYBOARD);

  tap(KEY_ENTER);
  tap(KEY_RIGHT);
  tap(KEY_ENTER);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(control_bindings[0].device, DEVICE_MOUSE1);
}

TEST_F(SettingsScreenTest, NavigationWrapsAndSkipsTheSpacerF1ResetsAndEntryWaitsTenPasses)
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
  tap(KEY_ESC);

  tap(KEY_UP);
  EXPECT_EQ(settings.selected_row, 9);
  tap(KEY_DOWN);
  tap(KEY_DOWN);
  EXPECT_EQ(settings.selected_row, 2);
  tap(KEY_UP);
  EXPECT_EQ(settings.selected_row, 0);

  tap(KEY_F1);
  EXPECT_EQ(control_bindings[0].keys[ACTION_PAUSE], KEY_5);
  EXPECT_EQ(control_bindings[0].device, DEVICE_KEYBOARD);
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD);
}

}  // namespace
