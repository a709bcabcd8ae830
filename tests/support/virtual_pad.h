// A pad for tests without hardware: SDL's virtual joystick with every button and axis of SDL's
// controller layout, in SDL's order, so that joystick button n is pad button n.
#pragma once

#include <SDL.h>

// Plugs one in and opens it; nullptr when SDL refuses.
SDL_Joystick *plug_virtual_pad();
// Pulls it out again.
void unplug_virtual_pad(SDL_Joystick *pad);
