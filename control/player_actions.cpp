#include "control/player_actions.h"

#include "control/gamepad_layout.h"

ActionSet computer_wishes[2];

bool person_asks(int player, int action)
{
  if (action_key_down(player, action)) return true;
  const int slot = gamepad_slot(player);
  return slot >= 0 && pad_asks(pad_reading(slot), action);
}

ActionSet requested_actions(int player)
{
  if (is_computer(player)) return computer_wishes[player];
  ActionSet actions;
  for (int action = 0; action < ACTION_COUNT; action++) actions.held[action] = person_asks(player, action);
  return actions;
}
