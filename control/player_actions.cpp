#include "control/player_actions.h"

ActionSet computer_wishes[2];

ActionSet requested_actions(int player)
{
  if (is_computer(player)) return computer_wishes[player];
  ActionSet actions;
  for (int action = 0; action < ACTION_COUNT; action++) actions.held[action] = action_key_down(player, action);
  return actions;
}
