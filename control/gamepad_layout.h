// The one layout of every pad: the d-pad and the left stick move, A drags, X or the left
// shoulder turns left, B or the right shoulder turns right, Start pauses.
#pragma once

#include "base/gamepads.h"

// The stick counts as pressed past half its travel; held there it repeats like a held key.
constexpr int STICK_PRESSED = STICK_TRAVEL / 2;

// Whether the pad asks for the action (a PlayerAction).
bool pad_asks(const PadReading &pad, int action);
// Whether any connected pad asks for it: the title menu listens to every pad.
bool any_pad_asks(int action);
// Whether any button of the layout is pressed or the stick pushed on any pad.
bool any_pad_input();
// What the settings screen shows beside an action for a pad player.
const char *pad_action_label(int action);
