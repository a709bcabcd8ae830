#include "control/gamepad_layout.h"

#include "control/bindings.h"

namespace {

// By PlayerAction: the two buttons that ask for it (the second may be the first again).
constexpr PadButton ACTION_BUTTONS[ACTION_COUNT][2] = {
    {PAD_DPAD_LEFT, PAD_DPAD_LEFT},   {PAD_DPAD_RIGHT, PAD_DPAD_RIGHT},
    {PAD_DPAD_UP, PAD_DPAD_UP},       {PAD_DPAD_DOWN, PAD_DPAD_DOWN},
    {PAD_A, PAD_A},                   {PAD_X, PAD_LEFT_SHOULDER},
    {PAD_B, PAD_RIGHT_SHOULDER},      {PAD_START, PAD_START},
};

const char *const PAD_ACTION_LABELS[ACTION_COUNT] = {
    "d-pad/stick left", "d-pad/stick right", "d-pad/stick up", "d-pad/stick down",
    "A",              "X or LB",         "B or RB",      "Start",
};

bool stick_asks(const PadReading &pad, int action)
{
  switch (action) {
  case ACTION_MOVE_LEFT: return pad.stick_x < -STICK_PRESSED;
  case ACTION_MOVE_RIGHT: return pad.stick_x > STICK_PRESSED;
  case ACTION_MOVE_UP: return pad.stick_y < -STICK_PRESSED;
  case ACTION_MOVE_DOWN: return pad.stick_y > STICK_PRESSED;
  default: return false;
  }
}

}  // namespace

bool pad_asks(const PadReading &pad, int action)
{
  if (!pad.connected || action < 0 || action >= ACTION_COUNT) return false;
  const PadButton *buttons = ACTION_BUTTONS[action];
  return pad.buttons[buttons[0]] || pad.buttons[buttons[1]] || stick_asks(pad, action);
}

bool any_pad_asks(int action)
{
  for (int slot = 0; slot < PAD_SLOTS; slot++)
    if (pad_asks(pad_reading(slot), action)) return true;
  return false;
}

bool any_pad_input()
{
  for (int action = 0; action < ACTION_COUNT; action++)
    if (any_pad_asks(action)) return true;
  return false;
}

const char *pad_action_label(int action)
{
  return action >= 0 && action < ACTION_COUNT ? PAD_ACTION_LABELS[action] : "---";
}
