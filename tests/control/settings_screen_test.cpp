// The control settings screen, pass by pass: key editing with its refusals, the mouse rules,
// the device editor, navigation, F1 and the guard after entry.
#include <allegro.h>
#include <gtest/gtest.h>

#include "control/bindings.h"
#include "control/settings_screen.h"
#include "shell/global_bitmaps.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

constexpr int KEY_ROW_MOVE_LEFT = FIRST_KEY_ROW + ACTION_MOVE_LEFT;
constexpr int KEY_ROW_TURN_LEFT = FIRST_KEY_ROW + ACTION_TURN_LEFT;
constexpr int KEY_ROW_PAUSE = FIRST_KEY_ROW + ACTION_PAUSE;

class SettingsScreenTest : public ::testing::Test {
protected:
  SettingsScreen settings{};

  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
  }

  void TearDown() override
  {
    if (settings.settings_buffer) destroy_bitmap(settings.settings_buffer);
  }

  void open() { open_settings_screen(settings); }

  void pass(int count = 1)
  {
    for (int i = 0; i < count; i++) run_settings_pass(settings);
  }

  // A quick press once the guard has run out and the last key is up: typed into the buffer,
  // and down for a while.
  void tap(int code, int hold_ms = 120)
  {
    while (settings.nav_passes < 10 || key_held()) pass();
    key[code] = 1;
    fake.typed_keys.push_back(code);
    KeyHold hold{code, fake.now_ms, fake.now_ms + hold_ms};
    hold.stage = 1;
    fake.key_holds.push_back(hold);
    pass();
  }

  bool key_held() const
  {
    for (const KeyHold &hold : fake.key_holds)
      if (hold.stage == 1) return true;
    return false;
  }

  void go_down_to(int row)
  {
    while (settings.selected_row != row) tap(KEY_DOWN);
  }

  // Runs until the error message has gone, and draws the screen once more without it.
  void wait_for_message_to_go()
  {
    while (settings.settings_error != ERR_NONE) pass();
    pass();
  }

  // Whether every pixel of the text, printed there in that colour, is on the screen. The
  // selection frame, drawn last, may cross the text's descenders.
  bool shows(const char *text, int x, int y, int colour, FONT *text_font, bool centred)
  {
    const int width = text_length(text_font, text), height = text_height(text_font);
    const int left = centred ? x - width / 2 : x;
    BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_bitmap(expected);
    if (centred) textout_centre_ex(expected, text_font, text, x, y, colour, -1);
    else textout_ex(expected, text_font, text, x, y, colour, -1);
    bool same = true;
    for (int py = y; py < y + height && same; py++)
      for (int px = left; px < left + width && same; px++) {
        const int pixel = getpixel(expected, px, py), shown = getpixel(screen, px, py);
        same = pixel == 0 || pixel == shown || shown == makecol(200, 200, 200);
      }
    destroy_bitmap(expected);
    return same;
  }

  bool field_shows(const char *text, int player, int row, int colour)
  {
    return shows(text, 200 + 200 * player, 110 + 23 * row, colour, font_messages, false);
  }

  bool error_shows(const char *text, int y = 338)
  {
    return shows(text, 320, y, makecol(255, 0, 0), font, true);
  }
};

TEST_F(SettingsScreenTest, AKeyBoundElsewhereIsRefusedUntilAFreeOneIsPressed)
{
  open();
  go_down_to(KEY_ROW_MOVE_LEFT);
  tap(KEY_ENTER);
  ASSERT_TRUE(settings.editing);

  // Player 2's move left.
  const int typed_at = fake.now_ms;
  fake.typed_keys.push_back(KEY_LEFT);
  pass();
  EXPECT_EQ(settings.settings_error, ERR_KEY_USED);
  EXPECT_TRUE(settings.editing) << "the field stays open";
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_A);
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 1);
  EXPECT_EQ(fake.sounds.back().frequency, 1000);
  EXPECT_TRUE(error_shows("this key is already used!"));
  pass();
  EXPECT_TRUE(field_shows(" !!! error !!!", 0, KEY_ROW_MOVE_LEFT, makecol(255, 0, 0)));

  // The message goes after two seconds; the field asks again.
  wait_for_message_to_go();
  EXPECT_GT(fake.now_ms - typed_at, 2000);
  EXPECT_LT(fake.now_ms - typed_at, 2250);
  EXPECT_FALSE(error_shows("this key is already used!"));
  EXPECT_TRUE(field_shows("press desired key", 0, KEY_ROW_MOVE_LEFT, makecol(255, 200, 100)));

  fake.typed_keys.push_back(KEY_Q);
  pass();
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(control_bindings[0].keys[ACTION_MOVE_LEFT], KEY_Q);
  pass();
  EXPECT_TRUE(field_shows("KEY_Q", 0, KEY_ROW_MOVE_LEFT, makecol(0, 0, 255)));
}

TEST_F(SettingsScreenTest, OwnKeyIsTakenAgainAndFunctionKeysNever)
{
  open();
  tap(KEY_RIGHT);
  tap(KEY_UP);
  tap(KEY_ENTER);
  fake.typed_keys.push_back(KEY_PGUP);
  pass();
  EXPECT_FALSE(settings.editing) << "his own key is no conflict";
  EXPECT_EQ(settings.settings_error, ERR_NONE);
  EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], KEY_PGUP);

  for (int code : {KEY_F1, KEY_F5, KEY_F12}) {
    SCOPED_TRACE(code);
    wait_for_message_to_go();
    tap(KEY_ENTER);
    ASSERT_TRUE(settings.editing);
    fake.typed_keys.push_back(code);
    pass();
    EXPECT_EQ(settings.settings_error, ERR_FUNCTION_KEY);
    EXPECT_TRUE(error_shows("you really won't this"));
    EXPECT_TRUE(settings.editing);
    EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], KEY_PGUP);

    // ESC closes the field and keeps the key it had.
    tap(KEY_ESC);
    EXPECT_FALSE(settings.editing);
    EXPECT_FALSE(settings.leaving);
    EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], KEY_PGUP);
  }
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 3);

  wait_for_message_to_go();
  tap(KEY_ENTER);
  fake.typed_keys.push_back(KEY_0);
  pass();
  EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], KEY_0);
}

TEST_F(SettingsScreenTest, AMousePlayerChangesOnlyHisPauseKeyAndOneMouseAtMost)
{
  control_bindings[0].device = DEVICE_MOUSE2;
  open();
  pass();
  EXPECT_TRUE(field_shows("mouse2", 0, DEVICE_ROW, makecol(0, 0, 255)));
  EXPECT_TRUE(field_shows("wheel down", 0, KEY_ROW_TURN_LEFT, makecol(200, 200, 50)));
  EXPECT_TRUE(field_shows("KEY_5", 0, KEY_ROW_PAUSE, makecol(0, 0, 255)));

  tap(KEY_RIGHT);
  tap(KEY_ENTER, 10);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.settings_error, ERR_MOUSE_USED);
  pass();  // ENTER is read after the messages are drawn
  EXPECT_TRUE(error_shows("mouse is already used!", 132)) << "under the device row";
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 1);
  EXPECT_EQ(sounds_played(ITEM_SOUND_CLICK), 2) << "RIGHT and the first ENTER click";
  // Asked again while its message shows, the refusal comes again, without a click.
  tap(KEY_ENTER, 10);
  EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), 2);
  EXPECT_EQ(sounds_played(ITEM_SOUND_CLICK), 2);

  // While the message shows, ENTER on another field opens nothing.
  tap(KEY_LEFT);
  tap(KEY_UP);
  tap(KEY_ENTER);
  EXPECT_FALSE(settings.editing);

  wait_for_message_to_go();
  go_down_to(KEY_ROW_TURN_LEFT);
  tap(KEY_ENTER);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.settings_error, ERR_NOT_CHANGEABLE);
  pass();
  EXPECT_TRUE(error_shows("not changeable!"));

  wait_for_message_to_go();
  go_down_to(KEY_ROW_PAUSE);
  tap(KEY_ENTER);
  EXPECT_TRUE(settings.editing) << "his pause key can be changed";
}

TEST_F(SettingsScreenTest, DeviceEditorWrapsAndEscRestoresTheDeviceShownWhenItOpened)
{
  open();
  tap(KEY_ENTER);
  ASSERT_TRUE(settings.editing);
  tap(KEY_LEFT);
  EXPECT_EQ(settings.device_choice[0], DEVICE_MOUSE3) << "left from the keyboard";
  tap(KEY_RIGHT);
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD) << "right from mouse3";
  tap(KEY_RIGHT);
  tap(KEY_RIGHT);
  pass();
  EXPECT_TRUE(field_shows("mouse2", 0, DEVICE_ROW, makecol(255, 200, 100)));
  EXPECT_TRUE(shows("use left/right to change, ENTER confirms selection", 320, 132,
                    makecol(200, 100, 0), font_messages, true));
  EXPECT_EQ(control_bindings[0].device, DEVICE_KEYBOARD) << "nothing is stored before ENTER";

  tap(KEY_ESC);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(settings.device_choice[0], DEVICE_KEYBOARD);

  tap(KEY_ENTER);
  tap(KEY_RIGHT);
  tap(KEY_ENTER);
  EXPECT_FALSE(settings.editing);
  EXPECT_EQ(control_bindings[0].device, DEVICE_MOUSE1);
  EXPECT_EQ(control_bindings[1].device, DEVICE_KEYBOARD);
}

TEST_F(SettingsScreenTest, NavigationWrapsSkipsTheSpacerAndF1ResetsAtOnce)
{
  control_bindings[1].device = DEVICE_MOUSE3;
  control_bindings[0].keys[ACTION_PAUSE] = KEY_P;
  open();
  tap(KEY_UP);
  EXPECT_EQ(settings.selected_row, 9);
  // The frame stands around the selected field.
  EXPECT_EQ(getpixel(screen, 190, 105 + 23 * 9), makecol(200, 200, 200));
  EXPECT_EQ(getpixel(screen, 390, 125 + 23 * 9), makecol(200, 200, 200));
  tap(KEY_DOWN);
  EXPECT_EQ(settings.selected_row, 0);
  tap(KEY_DOWN);
  EXPECT_EQ(settings.selected_row, 2);
  tap(KEY_UP);
  EXPECT_EQ(settings.selected_row, 0);
  tap(KEY_LEFT);
  EXPECT_EQ(settings.selected_player, 1);
  EXPECT_EQ(getpixel(screen, 390, 105), makecol(200, 200, 200));

  const size_t sounds_before = fake.sounds.size();
  tap(KEY_F1);
  EXPECT_EQ(fake.sounds.size(), sounds_before) << "the reset makes no sound";
  EXPECT_EQ(control_bindings[0].keys[ACTION_PAUSE], KEY_5);
  EXPECT_EQ(control_bindings[1].device, DEVICE_KEYBOARD);
  pass();
  EXPECT_TRUE(field_shows("keyboard", 1, DEVICE_ROW, makecol(0, 0, 255)));
  EXPECT_TRUE(field_shows("KEY_PGDN", 1, FIRST_KEY_ROW + ACTION_TURN_RIGHT, makecol(0, 0, 255)));
}

TEST_F(SettingsScreenTest, EnterHeldFromTheMenuWaitsTenPassesAndEscLeaves)
{
  open();
  key[KEY_ENTER] = 1;
  pass(10);
  EXPECT_FALSE(settings.editing);
  pass();
  EXPECT_TRUE(settings.editing);
  key[KEY_ENTER] = 0;

  // The screen runs as a whole until ESC, outside a field, leaves it.
  reset_fake_platform();
  fake.key_holds = {{KEY_ENTER, 0, 300}, {KEY_ESC, 400, 600}, {KEY_ESC, 900, 1000}};
  run_control_settings();
  EXPECT_GE(fake.now_ms, 900) << "the first ESC only closed the field ENTER opened";
  EXPECT_LT(fake.now_ms, 1300);
  EXPECT_TRUE(fake.typed_keys.empty()) << "the keyboard buffer is emptied on leaving";
}

}  // namespace
