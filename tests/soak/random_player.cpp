#include "tests/soak/random_player.h"

#include <allegro.h>

#include "control/bindings.h"
#include "shell/join_menu.h"
#include "state/game_state.h"

namespace {

constexpr unsigned bit(int action) { return 1u << action; }
constexpr unsigned MOVE_KEYS = bit(ACTION_MOVE_LEFT) | bit(ACTION_MOVE_RIGHT) |
                               bit(ACTION_MOVE_UP) | bit(ACTION_MOVE_DOWN);

}  // namespace

bool RandomPlayer::chance(double probability)
{
  return std::uniform_real_distribution<double>(0, 1)(random_) < probability;
}

unsigned RandomPlayer::keys_for_frame(int wanted_entry)
{
  frame_++;
  const int state = player_slots[player_].state;
  if (state == STATE_JOIN_MENU) return menu_keys(wanted_entry);
  if (state == STATE_PLAYING) return play_keys();
  if (state == STATE_PAUSED) {
    // A pause held on makes the sixth toggle, which leaves the game; otherwise resume soon.
    if (frames_left_-- > 0) return held_;
    return frame_ % 8 == 0 ? bit(ACTION_PAUSE) : 0;
  }
  // Name entry and the high-score view take any key; the other states ignore keys.
  if (frames_left_-- <= 0) {
    held_ = std::uniform_int_distribution<unsigned>(0, 0x7f)(random_);
    if (chance(0.2)) held_ = 0;
    frames_left_ = std::uniform_int_distribution<int>(1, 8)(random_);
  }
  return held_;
}

// Steps the selection down (the menu wraps) to the wanted entry, then confirms it for one
// frame. The drag key is never held on another entry: entry 4 would open the settings screen,
// which waits for keys of its own.
unsigned RandomPlayer::menu_keys(int wanted_entry)
{
  held_ = 0;
  frames_left_ = 0;
  if (wanted_entry < 0 || refusal_timer[player_] != 0) return 0;
  if (menu_selection[player_] != wanted_entry) return bit(ACTION_MOVE_DOWN);
  return frame_ % 2 ? bit(ACTION_DRAG_BLOCK) : 0;
}

unsigned RandomPlayer::play_keys()
{
  if (frames_left_-- <= 0) {
    frames_left_ = std::uniform_int_distribution<int>(1, 60)(random_);
    held_ = random_keys();
    // A short press pauses; a rare long hold leaves the game.
    if (held_ == bit(ACTION_PAUSE)) frames_left_ = chance(0.05) ? 40 : 1;
  }
  return held_;
}

// A random hold of the moves, the drag (alone or with a move: a drag sideways) and the turns;
// now and then the pause key.
unsigned RandomPlayer::random_keys()
{
  if (chance(0.01)) return bit(ACTION_PAUSE);
  unsigned keys = std::uniform_int_distribution<unsigned>(0, 0x7f)(random_);
  if (chance(0.5)) keys &= MOVE_KEYS | bit(ACTION_DRAG_BLOCK);
  return keys;
}
