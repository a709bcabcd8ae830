// The control bindings: unknown devices played as the keyboard, and the key test of in-game
// input, safe for a damaged controls file.
#include <allegro.h>
#include <gtest/gtest.h>
#include <cstring>

#include "control/bindings.h"
#include "tests/support/headless.h"

TEST(ControlBindings, KeysWorkOnAnyDeviceAndDamagedValuesAreSafe)
{
  reset_fake_platform();
  reset_control_bindings();
  // A device the game does not know is played, and shown, as the keyboard.
  control_bindings[1].device = 9;
  EXPECT_STREQ(device_name(9), "keyboard");
  EXPECT_FALSE(uses_mouse(1));
  control_bindings[0].device = DEVICE_MOUSE1;  // which has no gesture for turning right
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

// The help pages and hints name keys as their caps do, never as the library does.
TEST(ControlBindings, FriendlyNamesReadLikeTheKeysAndFollowTheDevice)
{
  reset_control_bindings();
  for (int code = 1; code < KEY_MAX; code++) {
    const char *name = friendly_key_name(code);
    const bool plain = strcmp(name, "???") != 0 && strncmp(name, "KEY_", 4) != 0;
    const bool spare = code >= KEY_UNKNOWN1 && code <= KEY_UNKNOWN8;  // no key has them
    EXPECT_TRUE(plain || spare) << key_name(code);
  }
  // A code from a damaged controls file shows as wanting a new key.
  for (int code : {0, int(KEY_MAX), -1}) EXPECT_STREQ(friendly_key_name(code), "???") << code;

  // Where a mouse layout has no gesture for an action, its player's key does it.
  control_bindings[0].device = DEVICE_MOUSE1;
  EXPECT_STREQ(friendly_input_name(0, ACTION_TURN_RIGHT), "3");
  reset_control_bindings();
}
