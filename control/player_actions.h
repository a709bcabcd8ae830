// The one seam through which in-game input reads what each player asks of his board this
// frame. A person's bound keys feed it (a mouse player keeps his keys too, and the input adds
// his mouse gestures to what it reads here); when the computer plays for a player, its wishes
// feed it instead and his keys are ignored.
#pragma once

#include "control/bindings.h"

// Which of the eight actions are asked for, by PlayerAction.
struct ActionSet {
  bool held[ACTION_COUNT] = {};
};

// What the computer asks for this frame, for a player it plays; set before the input runs.
extern ActionSet computer_wishes[2];

ActionSet requested_actions(int player);
