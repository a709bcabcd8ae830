// Each player's control device and eight bound keys, their defaults, the names through which
// the settings screen shows them, and the plainer names the help pages and hints use.
#pragma once

enum ControlDevice {
  DEVICE_KEYBOARD = 0,
  DEVICE_MOUSE1 = 1,
  DEVICE_MOUSE2 = 2,
  DEVICE_MOUSE3 = 3,
  DEVICE_COMPUTER_EASY = 4,    // the computer plays this player's board
  DEVICE_COMPUTER_NORMAL = 5,
  DEVICE_COMPUTER_HARD = 6,
  DEVICE_GAMEPAD1 = 7,         // the first pad connected
  DEVICE_GAMEPAD2 = 8,
};
constexpr int DEVICE_COUNT = 9;

enum PlayerAction {
  ACTION_MOVE_LEFT = 0,
  ACTION_MOVE_RIGHT = 1,
  ACTION_MOVE_UP = 2,
  ACTION_MOVE_DOWN = 3,
  ACTION_DRAG_BLOCK = 4,
  ACTION_TURN_LEFT = 5,
  ACTION_TURN_RIGHT = 6,
  ACTION_PAUSE = 7,
};
constexpr int ACTION_COUNT = 8;
constexpr int MOUSE_ACTION_COUNT = 7;  // pause has no mouse gesture
constexpr int KEY_NAME_SLOTS = 200;

struct ControlBindings {
  int device;              // a ControlDevice
  int keys[ACTION_COUNT];  // library key codes, by PlayerAction
};

extern ControlBindings control_bindings[2];

extern const int DEFAULT_CONTROL_KEYS[2][ACTION_COUNT];
extern const char *const KEY_NAMES[KEY_NAME_SLOTS];
extern const char *const DEVICE_NAMES[DEVICE_COUNT];
extern const char *const MOUSE_ACTION_LABELS[3][MOUSE_ACTION_COUNT];
extern const char *const ACTION_LABELS[ACTION_COUNT];

void reset_control_bindings();

// The name shown for a key code: the library's own name of the key, "???" for a code no key
// has. A device the game does not know is played, and shown, as the keyboard.
const char *key_name(int key_code);
const char *device_name(int device);
const char *mouse_action_label(int device, int action);
const char *action_label(int action);
// What the settings screen shows beside a player's action: his mouse gesture for actions 0..6
// on a mouse layout, otherwise the name of his key.
const char *binding_label(int player, int action);

// A key's name as a newcomer reads it on its cap: "Page Down", "Delete", "1", "A", "cursor
// left"; "???" for a code no key has.
const char *friendly_key_name(int key_code);
// What the player presses for the action on his own device, in those plain words: his pad's
// button, his mouse's gesture ("pointer" for the moves; his key where the layout has no
// gesture), otherwise his key.
const char *friendly_input_name(int player, int action);

// Whether the player's key for the action is held down. Safe for any stored key code.
bool action_key_down(int player, int action);
// Whether the player steers with one of the mouse layouts.
bool uses_mouse(int player);
bool is_mouse_device(int device);
// Whether the computer plays for the player, and how well: 0 easy, 1 normal, 2 hard.
bool is_computer(int player);
bool is_computer_device(int device);
int computer_strength(int player);
// Whether the player steers with a pad, and its slot: 0 or 1, or -1 for a player without one.
bool is_gamepad_device(int device);
int gamepad_slot(int player);
