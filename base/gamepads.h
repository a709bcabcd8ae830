// Game controllers, through SDL's game-controller layer alone (no SDL window, video or sound:
// the library keeps those). SDL knows the button layout of the common pads, takes others from
// SDL_GAMECONTROLLERCONFIG, and reports pads plugged in and pulled out while the game runs.
// Two pad slots, filled in the order the pads are connected: a pad pulled out leaves its slot
// empty, and the next pad connected fills the first empty slot, so that a friend's pad never
// moves to the other player when the first one is pulled.
// Without SDL's controller layer, or without access to the input devices, no pad is ever
// connected and nothing else changes.
#pragma once

constexpr int PAD_SLOTS = 2;

// The buttons the game reads, named by where they sit on the pad: A is the bottom face
// button, B the right one, X the left one, whatever the pad prints on them.
enum PadButton {
  PAD_DPAD_UP,
  PAD_DPAD_DOWN,
  PAD_DPAD_LEFT,
  PAD_DPAD_RIGHT,
  PAD_A,
  PAD_B,
  PAD_X,
  PAD_LEFT_SHOULDER,
  PAD_RIGHT_SHOULDER,
  PAD_START,
  PAD_BUTTON_COUNT
};

constexpr int STICK_TRAVEL = 32767;

struct PadReading {
  bool connected = false;
  bool buttons[PAD_BUTTON_COUNT] = {};
  int stick_x = 0, stick_y = 0;  // the left stick, -32768..32767; y grows downwards
};

// Starts SDL's controller layer; false (and no pads) when it cannot start. Safe to call again.
bool start_gamepads();
void stop_gamepads();
// Takes in the pads plugged in or pulled out since the last call, and reads every slot.
// Once a frame, from every loop that reads pads.
void poll_gamepads();
const PadReading &pad_reading(int slot);
