#include "tests/support/virtual_pad.h"

SDL_Joystick *plug_virtual_pad()
{
  SDL_VirtualJoystickDesc desc;
  SDL_zero(desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.name = "Korvanta test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  return index >= 0 ? SDL_JoystickOpen(index) : nullptr;
}

// A virtual joystick is detached by its index among all joysticks now, which moves as others
// come and go: it is found again by its instance.
void unplug_virtual_pad(SDL_Joystick *pad)
{
  const SDL_JoystickID instance = SDL_JoystickInstanceID(pad);
  SDL_JoystickClose(pad);
  for (int index = 0; index < SDL_NumJoysticks(); index++)
    if (SDL_JoystickGetDeviceInstanceID(index) == instance) SDL_JoystickDetachVirtual(index);
}
