// The control settings screen: both players choose their control device and rebind their
// keys, with the rules that keep every binding usable. It is modal: it runs a loop of its own
// until the user leaves it with ESC, and nothing else of the game runs meanwhile.
#pragma once

#include <allegro.h>

#include "base/clock.h"

enum SettingsError {
  ERR_NONE = 0,
  ERR_KEY_USED = 1,        // another binding holds the key
  ERR_FUNCTION_KEY = 2,    // F1 to F12 are the game's own
  ERR_MOUSE_USED = 3,      // the other player already steers with the mouse
  ERR_NOT_CHANGEABLE = 4,  // a mouse player's keys other than pause
};

constexpr int SETTINGS_ROW_COUNT = 10;
constexpr int DEVICE_ROW = 0;     // row 1 is a blank spacer the selection skips
constexpr int FIRST_KEY_ROW = 2;  // rows 2..9 are the actions 0..7

// Milliseconds since the shown error message appeared: it goes after two seconds.
extern MillisecondCounter message_timer;

// One run of the screen.
struct SettingsScreen {
  BITMAP *settings_buffer;  // 640 x 480: each pass is drawn here, then copied to the screen
  int selected_player;      // the column: 0 or 1
  int selected_row;         // 0..9, never 1
  bool editing;             // the selected field waits for input
  int saved_value;          // the device or key the field held when editing began
  int settings_error;       // a SettingsError, shown for two seconds
  int nav_passes;           // passes since the last navigation step
  int device_choice[2];     // the devices shown; a player's binding takes his on confirming
  bool leaving;             // ESC was pressed outside a field
};

// Takes the devices from the bindings and makes the buffer.
void open_settings_screen(SettingsScreen &settings);
// One pass of the loop: draw, take input, present. False once the user has left, or the game
// is asked to leave.
bool run_settings_pass(SettingsScreen &settings);
// Saves the bindings and gives the buffer back.
void close_settings_screen(SettingsScreen &settings);

// Blocks until the user leaves with ESC; the caller redraws its own screen afterwards.
void run_control_settings();
