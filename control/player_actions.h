// The one seam through which the game reads what each player asks for this frame. A person's
// bound keys feed it, and his pad's buttons and stick when he plays with one (a mouse or pad
// player keeps his keys too; the input adds a mouse player's gestures to what it reads here);
// when the computer plays for a player, its wishes feed it instead and his keys are ignored.
#pragma once

#include "control/bindings.h"

// Which of the eight actions are asked for, by PlayerAction.
struct ActionSet {
  bool held[ACTION_COUNT] = {};
};

// What the computer asks for this frame, for a player it plays; set before the input runs.
extern ActionSet computer_wishes[2];

// Whether a person asks for the action: his key for it is down, or his pad asks for it. The
// menus and the name entry read this.
bool person_asks(int player, int action);

ActionSet requested_actions(int player);
