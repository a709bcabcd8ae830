// The control bindings: defaults, the names that show them, and the key test of in-game
// input, also with values a damaged controls file may carry.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "control/bindings.h"
#include "tests/support/headless.h"

namespace {

TEST(ControlBindings, DefaultsAndTheNamesThatShowThem)
{
  control_bindings[0].device = DEVICE_MOUSE2;
  control_bindings[1].keys[ACTION_PAUSE] = 3;
  reset_control_bindings();
  const char *const shown[3][ACTION_COUNT] = {
      {"KEY_A", "KEY_D", "KEY_W", "KEY_S", "KEY_1", "KEY_2", "KEY_3", "KEY_5"},
      {"KEY_LEFT", "KEY_RIGHT", "KEY_UP", "KEY_DOWN", "KEY_DEL", "KEY_END", "KEY_PGDN",
       "KEY_PGUP"},
      {"---", "---", "---", "---", "left button", "wheel down", "wheel up", "KEY_PGUP"}};
  for (int row = 0; row < 3; row++) {
    // Last, the right player on mouse2: his gestures show instead of his keys, all but pause.
    if (row == 2) control_bindings[1].device = DEVICE_MOUSE2;
    EXPECT_STREQ(device_name(control_bindings[row > 0].device), row < 2 ? "keyboard" : "mouse2");
    for (int action = 0; action < ACTION_COUNT; action++)
      EXPECT_STREQ(binding_label(row > 0, action), shown[row][action]) << row << ':' << action;
  }

  // Past KEY_KANJI the library numbers its keys its own way; they show its own names.
  EXPECT_STREQ(key_name(KEY_EQUALS_PAD), "KEY_EQUALS_PAD");
  EXPECT_STREQ(key_name(KEY_LSHIFT), "KEY_LSHIFT");
  for (int code : {0, int(KEY_MAX), 199, 200, -1}) EXPECT_STREQ(key_name(code), "???") << code;
  reset_control_bindings();
}

TEST(ControlBindings, KeysWorkOnAnyDeviceAndDamagedValuesAreSafe)
{
  reset_fake_platform();
  reset_control_bindings();
  // Turning right has no mouse1 gesture, but its key still works.
  control_bindings[0].device = DEVICE_MOUSE1;
  key[KEY_3] = 1;
  EXPECT_TRUE(action_key_down(0, ACTION_TURN_RIGHT));
  EXPECT_FALSE(action_key_down(1, ACTION_TURN_RIGHT));

  // A device the game does not know plays and shows as the keyboard.
  control_bindings[1].device = 7;
  EXPECT_STREQ(device_name(7), "keyboard");
  EXPECT_STREQ(binding_label(1, ACTION_DRAG_BLOCK), "KEY_DEL");

  // Codes outside the library's key array are never down.
  memset(const_cast<char *>(key), 1, KEY_MAX);
  for (int code : {int(KEY_MAX), 5000, -1}) {
    control_bindings[0].keys[ACTION_MOVE_UP] = code;
    EXPECT_FALSE(action_key_down(0, ACTION_MOVE_UP)) << code;
  }
  reset_fake_platform();
  reset_control_bindings();
}

}  // namespace
