// The control bindings: defaults, the names that show them, and the key test of in-game
// input, also with values a damaged controls file may carry.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "control/bindings.h"
#include "tests/support/headless.h"

namespace {

TEST(ControlBindings, ResetGivesTheDefaultKeysOnTheKeyboard)
{
  control_bindings[0].device = DEVICE_MOUSE2;
  control_bindings[1].keys[ACTION_PAUSE] = 3;
  reset_control_bindings();
  const int expected[2][ACTION_COUNT] = {{1, 4, 23, 19, 28, 29, 30, 32},
                                         {82, 83, 84, 85, 77, 79, 81, 80}};
  for (int player = 0; player < 2; player++) {
    EXPECT_STREQ(device_name(control_bindings[player].device), "keyboard");
    for (int action = 0; action < ACTION_COUNT; action++)
      EXPECT_EQ(control_bindings[player].keys[action], expected[player][action]) << action;
  }
  EXPECT_STREQ(binding_label(0, ACTION_MOVE_LEFT), "KEY_A");
  EXPECT_STREQ(binding_label(1, ACTION_PAUSE), "KEY_PGUP");
  EXPECT_STREQ(action_label(ACTION_TURN_RIGHT), "turn block right");
}

TEST(KeyNames, LibraryKeysShowTheirOwnNamesAndOtherCodesShowUnknown)
{
#define NAMED(code) {code, #code}
  const struct {
    int code;
    const char *name;
  } library_keys[] = {NAMED(KEY_A),        NAMED(KEY_Z),         NAMED(KEY_0_PAD),
                      NAMED(KEY_F12),      NAMED(KEY_ESC),       NAMED(KEY_PGDN),
                      NAMED(KEY_KANJI),    NAMED(KEY_EQUALS_PAD), NAMED(KEY_UNKNOWN8),
                      NAMED(KEY_LSHIFT),   NAMED(KEY_RSHIFT),    NAMED(KEY_CAPSLOCK)};
#undef NAMED
  for (const auto &named : library_keys) EXPECT_STREQ(key_name(named.code), named.name);
  for (int code : {0, int(KEY_MAX), 199, 200, -1}) EXPECT_STREQ(key_name(code), "???") << code;

  // The table keeps its own slots, modifiers included; past them it names nothing.
  EXPECT_STREQ(KEY_NAMES[103], "KEY_LSHIFT");
  EXPECT_STREQ(KEY_NAMES[115], "KEY_MAX");
  EXPECT_EQ(KEY_NAMES[116], nullptr);
}

TEST(MouseLayouts, GesturesShowInsteadOfKeysExceptPause)
{
  reset_control_bindings();
  control_bindings[1].device = DEVICE_MOUSE2;
  EXPECT_STREQ(binding_label(1, ACTION_MOVE_UP), "---");
  EXPECT_STREQ(binding_label(1, ACTION_DRAG_BLOCK), "left button");
  EXPECT_STREQ(binding_label(1, ACTION_TURN_LEFT), "wheel down");
  EXPECT_STREQ(binding_label(1, ACTION_TURN_RIGHT), "wheel up");
  EXPECT_STREQ(binding_label(1, ACTION_PAUSE), "KEY_PGUP");
  EXPECT_STREQ(mouse_action_label(DEVICE_MOUSE1, ACTION_TURN_RIGHT), "---");
  EXPECT_STREQ(mouse_action_label(DEVICE_MOUSE3, ACTION_TURN_LEFT), "wheel up");

  // A device the game does not know plays and shows as the keyboard.
  control_bindings[1].device = 7;
  EXPECT_FALSE(uses_mouse(1));
  EXPECT_STREQ(device_name(7), "keyboard");
  EXPECT_STREQ(binding_label(1, ACTION_DRAG_BLOCK), "KEY_DEL");
  reset_control_bindings();
}

TEST(ActionKeys, TheBoundKeyWorksOnAnyDeviceAndStrayCodesAreNeverDown)
{
  reset_fake_platform();
  reset_control_bindings();
  control_bindings[0].device = DEVICE_MOUSE1;
  EXPECT_FALSE(action_key_down(0, ACTION_TURN_RIGHT));
  key[KEY_3] = 1;
  EXPECT_TRUE(action_key_down(0, ACTION_TURN_RIGHT));
  EXPECT_FALSE(action_key_down(1, ACTION_TURN_RIGHT));

  memset(const_cast<char *>(key), 1, KEY_MAX);
  for (int code : {int(KEY_MAX), 5000, -1}) {
    control_bindings[0].keys[ACTION_MOVE_UP] = code;
    EXPECT_FALSE(action_key_down(0, ACTION_MOVE_UP)) << code;
  }
  reset_fake_platform();
  reset_control_bindings();
}

}  // namespace
