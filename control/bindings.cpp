#include "control/bindings.h"

#include <allegro.h>

#include <cstring>

#include "control/gamepad_layout.h"

ControlBindings control_bindings[2];

const int DEFAULT_CONTROL_KEYS[2][ACTION_COUNT] = {
    {KEY_A, KEY_D, KEY_W, KEY_S, KEY_1, KEY_2, KEY_3, KEY_5},
    // Player 2 turns right with page down and pauses with page up.
    {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_DEL, KEY_END, KEY_PGDN, KEY_PGUP},
};

// Slots 116..199 name nothing.
const char *const KEY_NAMES[KEY_NAME_SLOTS] = {
    "???",
    "KEY_A", "KEY_B", "KEY_C", "KEY_D", "KEY_E", "KEY_F", "KEY_G", "KEY_H", "KEY_I", "KEY_J",
    "KEY_K", "KEY_L", "KEY_M", "KEY_N", "KEY_O", "KEY_P", "KEY_Q", "KEY_R", "KEY_S", "KEY_T",
    "KEY_U", "KEY_V", "KEY_W", "KEY_X", "KEY_Y", "KEY_Z",
    "KEY_0", "KEY_1", "KEY_2", "KEY_3", "KEY_4", "KEY_5", "KEY_6", "KEY_7", "KEY_8", "KEY_9",
    "KEY_0_PAD", "KEY_1_PAD", "KEY_2_PAD", "KEY_3_PAD", "KEY_4_PAD",
    "KEY_5_PAD", "KEY_6_PAD", "KEY_7_PAD", "KEY_8_PAD", "KEY_9_PAD",
    "KEY_F1", "KEY_F2", "KEY_F3", "KEY_F4", "KEY_F5", "KEY_F6",
    "KEY_F7", "KEY_F8", "KEY_F9", "KEY_F10", "KEY_F11", "KEY_F12",
    "KEY_ESC", "KEY_TILDE", "KEY_MINUS", "KEY_EQUALS", "KEY_BACKSPACE", "KEY_TAB",
    "KEY_OPENBRACE", "KEY_CLOSEBRACE", "KEY_ENTER", "KEY_COLON", "KEY_QUOTE", "KEY_BACKSLASH",
    "KEY_BACKSLASH2", "KEY_COMMA", "KEY_STOP", "KEY_SLASH", "KEY_SPACE", "KEY_INSERT",
    "KEY_DEL", "KEY_HOME", "KEY_END", "KEY_PGUP", "KEY_PGDN", "KEY_LEFT", "KEY_RIGHT",
    "KEY_UP", "KEY_DOWN", "KEY_SLASH_PAD", "KEY_ASTERISK", "KEY_MINUS_PAD", "KEY_PLUS_PAD",
    "KEY_DEL_PAD", "KEY_ENTER_PAD", "KEY_PRTSCR", "KEY_PAUSE", "KEY_ABNT_C1", "KEY_YEN",
    "KEY_KANA", "KEY_CONVERT", "KEY_NOCONVERT", "KEY_AT", "KEY_CIRCUMFLEX", "KEY_COLON2",
    "KEY_KANJI", "KEY_LSHIFT", "KEY_RSHIFT", "KEY_LCONTROL", "KEY_RCONTROL", "KEY_ALT",
    "KEY_ALTGR", "KEY_LWIN", "KEY_RWIN", "KEY_MENU", "KEY_SCRLOCK", "KEY_NUMLOCK",
    "KEY_CAPSLOCK", "KEY_MAX",
};

// The computer's names fit the settings screen's device column.
const char *const DEVICE_NAMES[DEVICE_COUNT] = {"keyboard",      "mouse1",          "mouse2",
                                                "mouse3",        "computer: easy",  "computer: normal",
                                                "computer: hard", "gamepad 1",        "gamepad 2"};

const char *const MOUSE_ACTION_LABELS[3][MOUSE_ACTION_COUNT] = {
    {"---", "---", "---", "---", "left button", "right button", "---"},
    {"---", "---", "---", "---", "left button", "wheel down", "wheel up"},
    {"---", "---", "---", "---", "left button", "wheel up", "wheel down"},
};

const char *const ACTION_LABELS[ACTION_COUNT] = {
    "move left",  "move right",      "move up",          "move down",
    "drag block", "turn block left", "turn block right", "pause",
};

namespace {

constexpr const char *UNNAMED_KEY = "???";

// The table's names agree with the library's numbering up to KEY_KANJI. Past it the table
// lists the modifiers in an order the library does not use (its left shift is 115, where the
// table says "KEY_MAX"), so these codes show the library's own names: a player who binds
// left shift sees "KEY_LSHIFT".
constexpr int FIRST_LIBRARY_NAMED_KEY = 103;
constexpr const char *LIBRARY_KEY_NAMES[] = {
    "KEY_EQUALS_PAD", "KEY_BACKQUOTE", "KEY_SEMICOLON", "KEY_COMMAND",  "KEY_UNKNOWN1",
    "KEY_UNKNOWN2",   "KEY_UNKNOWN3",  "KEY_UNKNOWN4",  "KEY_UNKNOWN5", "KEY_UNKNOWN6",
    "KEY_UNKNOWN7",   "KEY_UNKNOWN8",  "KEY_LSHIFT",    "KEY_RSHIFT",   "KEY_LCONTROL",
    "KEY_RCONTROL",   "KEY_ALT",       "KEY_ALTGR",     "KEY_LWIN",     "KEY_RWIN",
    "KEY_MENU",       "KEY_SCRLOCK",   "KEY_NUMLOCK",   "KEY_CAPSLOCK",
};
static_assert(FIRST_LIBRARY_NAMED_KEY + sizeof LIBRARY_KEY_NAMES / sizeof *LIBRARY_KEY_NAMES ==
                  KEY_MAX,
              "the library's own names reach up to its last key");

// The names on the keys' caps, or what a newcomer calls a key without one. Codes no key has
// are missing, and so are the library's spare codes.
struct FriendlyKeyName {
  int code;
  const char *name;
};
constexpr FriendlyKeyName FRIENDLY_KEY_NAMES[] = {
    {KEY_A, "A"}, {KEY_B, "B"}, {KEY_C, "C"}, {KEY_D, "D"}, {KEY_E, "E"}, {KEY_F, "F"},
    {KEY_G, "G"}, {KEY_H, "H"}, {KEY_I, "I"}, {KEY_J, "J"}, {KEY_K, "K"}, {KEY_L, "L"},
    {KEY_M, "M"}, {KEY_N, "N"}, {KEY_O, "O"}, {KEY_P, "P"}, {KEY_Q, "Q"}, {KEY_R, "R"},
    {KEY_S, "S"}, {KEY_T, "T"}, {KEY_U, "U"}, {KEY_V, "V"}, {KEY_W, "W"}, {KEY_X, "X"},
    {KEY_Y, "Y"}, {KEY_Z, "Z"},
    {KEY_0, "0"}, {KEY_1, "1"}, {KEY_2, "2"}, {KEY_3, "3"}, {KEY_4, "4"},
    {KEY_5, "5"}, {KEY_6, "6"}, {KEY_7, "7"}, {KEY_8, "8"}, {KEY_9, "9"},
    {KEY_0_PAD, "keypad 0"}, {KEY_1_PAD, "keypad 1"}, {KEY_2_PAD, "keypad 2"},
    {KEY_3_PAD, "keypad 3"}, {KEY_4_PAD, "keypad 4"}, {KEY_5_PAD, "keypad 5"},
    {KEY_6_PAD, "keypad 6"}, {KEY_7_PAD, "keypad 7"}, {KEY_8_PAD, "keypad 8"},
    {KEY_9_PAD, "keypad 9"},
    {KEY_F1, "F1"}, {KEY_F2, "F2"}, {KEY_F3, "F3"}, {KEY_F4, "F4"}, {KEY_F5, "F5"},
    {KEY_F6, "F6"}, {KEY_F7, "F7"}, {KEY_F8, "F8"}, {KEY_F9, "F9"}, {KEY_F10, "F10"},
    {KEY_F11, "F11"}, {KEY_F12, "F12"},
    {KEY_ESC, "Esc"}, {KEY_TILDE, "`"}, {KEY_MINUS, "-"}, {KEY_EQUALS, "="},
    {KEY_BACKSPACE, "Backspace"}, {KEY_TAB, "Tab"}, {KEY_OPENBRACE, "["},
    {KEY_CLOSEBRACE, "]"}, {KEY_ENTER, "Enter"}, {KEY_COLON, ";"}, {KEY_QUOTE, "'"},
    {KEY_BACKSLASH, "\\"}, {KEY_BACKSLASH2, "<"}, {KEY_COMMA, ","}, {KEY_STOP, "."},
    {KEY_SLASH, "/"}, {KEY_SPACE, "Space"}, {KEY_INSERT, "Insert"}, {KEY_DEL, "Delete"},
    {KEY_HOME, "Home"}, {KEY_END, "End"}, {KEY_PGUP, "Page Up"}, {KEY_PGDN, "Page Down"},
    {KEY_LEFT, "cursor left"}, {KEY_RIGHT, "cursor right"}, {KEY_UP, "cursor up"},
    {KEY_DOWN, "cursor down"},
    {KEY_SLASH_PAD, "keypad /"}, {KEY_ASTERISK, "keypad *"}, {KEY_MINUS_PAD, "keypad -"},
    {KEY_PLUS_PAD, "keypad +"}, {KEY_DEL_PAD, "keypad Del"}, {KEY_ENTER_PAD, "keypad Enter"},
    {KEY_EQUALS_PAD, "keypad ="},
    {KEY_PRTSCR, "Print Screen"}, {KEY_PAUSE, "Pause"}, {KEY_ABNT_C1, "/"}, {KEY_YEN, "Yen"},
    {KEY_KANA, "Kana"}, {KEY_CONVERT, "Convert"}, {KEY_NOCONVERT, "No Convert"},
    {KEY_AT, "@"}, {KEY_CIRCUMFLEX, "^"}, {KEY_COLON2, ":"}, {KEY_KANJI, "Kanji"},
    {KEY_BACKQUOTE, "`"}, {KEY_SEMICOLON, ";"}, {KEY_COMMAND, "Command"},
    {KEY_LSHIFT, "left Shift"}, {KEY_RSHIFT, "right Shift"}, {KEY_LCONTROL, "left Ctrl"},
    {KEY_RCONTROL, "right Ctrl"}, {KEY_ALT, "Alt"}, {KEY_ALTGR, "AltGr"},
    {KEY_LWIN, "left Windows"}, {KEY_RWIN, "right Windows"}, {KEY_MENU, "Menu"},
    {KEY_SCRLOCK, "Scroll Lock"}, {KEY_NUMLOCK, "Num Lock"}, {KEY_CAPSLOCK, "Caps Lock"},
};

// A mouse layout moves the cursor with the pointer, which its table shows as no gesture.
constexpr const char *POINTER = "pointer";
constexpr const char *NO_GESTURE = "---";

bool is_player(int player) { return player == 0 || player == 1; }

bool is_move(int action) { return action >= ACTION_MOVE_LEFT && action <= ACTION_MOVE_DOWN; }

}  // namespace

bool is_mouse_device(int device) { return device >= DEVICE_MOUSE1 && device <= DEVICE_MOUSE3; }

bool is_computer_device(int device)
{
  return device >= DEVICE_COMPUTER_EASY && device <= DEVICE_COMPUTER_HARD;
}

bool is_computer(int player)
{
  return is_player(player) && is_computer_device(control_bindings[player].device);
}

int computer_strength(int player)
{
  return is_computer(player) ? control_bindings[player].device - DEVICE_COMPUTER_EASY : 0;
}

bool is_gamepad_device(int device) { return device == DEVICE_GAMEPAD1 || device == DEVICE_GAMEPAD2; }

int gamepad_slot(int player)
{
  if (!is_player(player) || !is_gamepad_device(control_bindings[player].device)) return -1;
  return control_bindings[player].device - DEVICE_GAMEPAD1;
}

void reset_control_bindings()
{
  for (int player = 0; player < 2; player++) {
    control_bindings[player].device = DEVICE_KEYBOARD;
    for (int action = 0; action < ACTION_COUNT; action++)
      control_bindings[player].keys[action] = DEFAULT_CONTROL_KEYS[player][action];
  }
}

// A code no key has (from a damaged controls file) shows as "???", the name of code 0, so
// the player sees at once that the binding wants setting.
const char *key_name(int key_code)
{
  if (key_code >= FIRST_LIBRARY_NAMED_KEY && key_code < KEY_MAX)
    return LIBRARY_KEY_NAMES[key_code - FIRST_LIBRARY_NAMED_KEY];
  if (key_code < 0 || key_code >= KEY_NAME_SLOTS || !KEY_NAMES[key_code]) return UNNAMED_KEY;
  return KEY_NAMES[key_code];
}

// A device the game does not know is played as the keyboard, so it is shown as one too.
const char *device_name(int device)
{
  return device > DEVICE_KEYBOARD && device < DEVICE_COUNT ? DEVICE_NAMES[device]
                                                          : DEVICE_NAMES[DEVICE_KEYBOARD];
}

// Pause and every action of a device without mouse gestures have no gesture: "---".
const char *mouse_action_label(int device, int action)
{
  if (!is_mouse_device(device) || action < 0 || action >= MOUSE_ACTION_COUNT) return "---";
  return MOUSE_ACTION_LABELS[device - DEVICE_MOUSE1][action];
}

const char *action_label(int action)
{
  if (action < 0 || action >= ACTION_COUNT) return UNNAMED_KEY;
  return ACTION_LABELS[action];
}

const char *binding_label(int player, int action)
{
  if (!is_player(player)) return UNNAMED_KEY;
  if (uses_mouse(player) && action >= 0 && action < MOUSE_ACTION_COUNT)
    return mouse_action_label(control_bindings[player].device, action);
  if (action < 0 || action >= ACTION_COUNT) return UNNAMED_KEY;
  return key_name(control_bindings[player].keys[action]);
}

const char *friendly_key_name(int key_code)
{
  for (const FriendlyKeyName &entry : FRIENDLY_KEY_NAMES)
    if (entry.code == key_code) return entry.name;
  return UNNAMED_KEY;
}

// A pad player's keys and a mouse player's keys work too; the words name what his device
// is for, and his key only where the device has nothing for the action.
const char *friendly_input_name(int player, int action)
{
  if (!is_player(player) || action < 0 || action >= ACTION_COUNT) return UNNAMED_KEY;
  if (gamepad_slot(player) >= 0) return pad_action_label(action);
  if (uses_mouse(player) && is_move(action)) return POINTER;
  if (uses_mouse(player)) {
    const char *gesture = mouse_action_label(control_bindings[player].device, action);
    if (strcmp(gesture, NO_GESTURE) != 0) return gesture;
  }
  return friendly_key_name(control_bindings[player].keys[action]);
}

// Codes outside the library's key array are never down: they are never read from it.
bool action_key_down(int player, int action)
{
  if (!is_player(player) || action < 0 || action >= ACTION_COUNT) return false;
  const int code = control_bindings[player].keys[action];
  return code >= 0 && code < KEY_MAX && key[code] != 0;
}

bool uses_mouse(int player)
{
  return is_player(player) && is_mouse_device(control_bindings[player].device);
}
