#include "control/lost_pads.h"

#include "base/gamepads.h"
#include "board/player_states.h"
#include "control/bindings.h"
#include "state/game_state.h"

bool waiting_for_pad[2];

namespace {

bool was_connected[PAD_SLOTS];

// From the count-in to the end of a level, and paused: the states a pause can come back to.
bool in_a_game(int state)
{
  return state == STATE_LEVEL_START || state == STATE_PLAYING || state == STATE_LEVEL_COMPLETE ||
         state == STATE_LEVEL_FADE_OUT || state == STATE_PAUSED;
}

// A pad lost during a count-in or a level's panel pauses the game as soon as play begins.
void watch_player(int player)
{
  const int slot = gamepad_slot(player);
  const int state = player_slots[player].state;
  const bool connected = slot >= 0 && pad_reading(slot).connected;
  if (slot < 0 || connected || !in_a_game(state)) waiting_for_pad[player] = false;
  else if (was_connected[slot]) waiting_for_pad[player] = true;
  if (waiting_for_pad[player] && state == STATE_PLAYING) pause_game(player);
}

}  // namespace

void watch_lost_pads()
{
  for (int player = 0; player < 2; player++) watch_player(player);
  for (int slot = 0; slot < PAD_SLOTS; slot++) was_connected[slot] = pad_reading(slot).connected;
}

bool may_resume(int player) { return !waiting_for_pad[player]; }
