#include "base/gamepads.h"

#include <SDL.h>

namespace {

bool started = false;
SDL_GameController *slot_pads[PAD_SLOTS] = {};
PadReading readings[PAD_SLOTS];
const PadReading no_reading;

constexpr SDL_GameControllerButton SDL_BUTTONS[PAD_BUTTON_COUNT] = {
    SDL_CONTROLLER_BUTTON_DPAD_UP,      SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT,    SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    SDL_CONTROLLER_BUTTON_A,            SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,            SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_START,
};

// Pad state is read directly each frame; only connections come as events, so that a pad's
// stream of motion events never fills SDL's queue.
constexpr Uint32 IGNORED_EVENTS[] = {
    SDL_JOYAXISMOTION,          SDL_JOYBALLMOTION,           SDL_JOYHATMOTION,
    SDL_JOYBUTTONDOWN,          SDL_JOYBUTTONUP,             SDL_CONTROLLERAXISMOTION,
    SDL_CONTROLLERBUTTONDOWN,   SDL_CONTROLLERBUTTONUP,      SDL_CONTROLLERTOUCHPADDOWN,
    SDL_CONTROLLERTOUCHPADMOTION, SDL_CONTROLLERTOUCHPADUP,  SDL_CONTROLLERSENSORUPDATE,
};

void connect_pad(int device_index)
{
  SDL_GameController *pad = SDL_GameControllerOpen(device_index);
  if (!pad) return;
  for (SDL_GameController *&slot_pad : slot_pads)
    if (slot_pad == pad) {  // already in a slot: SDL reports each pad once, but be sure
      SDL_GameControllerClose(pad);
      return;
    }
  for (SDL_GameController *&slot_pad : slot_pads)
    if (!slot_pad) {
      slot_pad = pad;
      return;
    }
  SDL_GameControllerClose(pad);  // a third pad: no slot for it until one is free
}

void disconnect_pad(SDL_JoystickID instance)
{
  for (SDL_GameController *&slot_pad : slot_pads)
    if (slot_pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(slot_pad)) == instance) {
      SDL_GameControllerClose(slot_pad);
      slot_pad = nullptr;
    }
}

void read_slot(int slot)
{
  PadReading &reading = readings[slot];
  SDL_GameController *pad = slot_pads[slot];
  reading = PadReading{};
  if (!pad) return;
  reading.connected = true;
  for (int button = 0; button < PAD_BUTTON_COUNT; button++)
    reading.buttons[button] = SDL_GameControllerGetButton(pad, SDL_BUTTONS[button]) != 0;
  reading.stick_x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
  reading.stick_y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
}

}  // namespace

bool start_gamepads()
{
  if (started) return true;
  // The game's own handling of signals stays as it is.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // There is no SDL window to have the focus: pads are read whichever window has it.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // Buttons by position, as the game names them, also on pads that print A where others
  // have B.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
  for (const Uint32 type : IGNORED_EVENTS) SDL_EventState(type, SDL_IGNORE);
  started = true;
  return true;
}

void stop_gamepads()
{
  if (!started) return;
  for (SDL_GameController *&slot_pad : slot_pads) {
    if (slot_pad) SDL_GameControllerClose(slot_pad);
    slot_pad = nullptr;
  }
  for (PadReading &reading : readings) reading = PadReading{};
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  SDL_Quit();
  started = false;
}

void poll_gamepads()
{
  if (!started) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) connect_pad(event.cdevice.which);
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) disconnect_pad(event.cdevice.which);
  }
  for (int slot = 0; slot < PAD_SLOTS; slot++) read_slot(slot);
}

const PadReading &pad_reading(int slot)
{
  return slot >= 0 && slot < PAD_SLOTS ? readings[slot] : no_reading;
}
