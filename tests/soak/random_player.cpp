#include "tests/soak/random_player.h"

#include <allegro.h>

#include "base/resources.h"
#include "board/board.h"
#include "board/power.h"
#include "control/bindings.h"
#include "shell/join_menu.h"
#include "state/game_state.h"

namespace {

constexpr unsigned bit(int action) { return 1u << action; }
constexpr unsigned MOVE_KEYS = bit(ACTION_MOVE_LEFT) | bit(ACTION_MOVE_RIGHT) |
                               bit(ACTION_MOVE_UP) | bit(ACTION_MOVE_DOWN);
constexpr int TURNS_PER_TILE = 4;          // a whole round of orientations
constexpr int GIVE_UP_FRAMES = 300;

bool has_power(int value) { return value == POWER_FROM_LEFT || value == POWER_CONNECTED; }

// Power from the left edge reaches one of the tile's conductors.
bool lit(const BoardCell &cell)
{
  return cell.kind != TILE_EMPTY && (has_power(cell.power) || (is_split(cell.kind) && has_power(cell.power2)));
}

// Whether the tile's conductor pattern touches its right edge, read from the patterns the
// power update stamps: a tile can only pass power on to the right if it does.
bool reaches_right_edge(int kind)
{
  constexpr int PATTERN_STEP = 6, RIGHT_EDGE_X = 4, MIDDLE_Y = 2;
  return getpixel(item_bitmap(ITEM_CONDUCTOR_PATTERNS), (kind - 1) * PATTERN_STEP + RIGHT_EDGE_X,
                  MIDDLE_Y) != 0;
}

bool at_rest(const BoardCell &cell)
{
  return cell.kind != TILE_EMPTY && cell.y_offset == 0 && cell.vanish_timer == 0;
}

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
    following_strategy_ = false;
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
  target_column_ = -1;
  if (wanted_entry < 0 || refusal_timer[player_] != 0) return 0;
  if (menu_selection[player_] != wanted_entry) return bit(ACTION_MOVE_DOWN);
  return frame_ % 2 ? bit(ACTION_DRAG_BLOCK) : 0;
}

unsigned RandomPlayer::play_keys()
{
  if (frames_left_-- <= 0) {
    following_strategy_ = chance(skill_);
    frames_left_ = std::uniform_int_distribution<int>(following_strategy_ ? 30 : 1, 60)(random_);
    held_ = following_strategy_ ? 0 : random_keys();
    // A short press pauses; a rare long hold leaves the game.
    if (held_ == bit(ACTION_PAUSE)) frames_left_ = chance(0.05) ? 40 : 1;
  }
  return following_strategy_ ? strategy_keys() : held_;
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

// The strategy: pick an unlit tile beside the lit ones, walk the cursor onto it and turn it
// until power reaches it, better still so that it can pass the power on to the right, or give
// it up after two rounds of turns.
unsigned RandomPlayer::strategy_keys()
{
  if (target_column_ < 0 && !pick_target()) return random_keys() & MOVE_KEYS;
  const BoardCell &cell = board[player_][target_column_][target_row_];
  const bool done = lit(cell) && (reaches_right_edge(cell.kind) || turns_ >= TURNS_PER_TILE);
  if (!at_rest(cell) || done || turns_ >= 2 * TURNS_PER_TILE) {
    if (!done) skip_until_[target_column_][target_row_] = frame_ + GIVE_UP_FRAMES;
    target_column_ = -1;
    return 0;
  }
  const PlayerSlot &slot = player_slots[player_];
  if (slot.cursor_column < target_column_) return bit(ACTION_MOVE_RIGHT);
  if (slot.cursor_column > target_column_) return bit(ACTION_MOVE_LEFT);
  if (slot.cursor_row < target_row_) return bit(ACTION_MOVE_DOWN);
  if (slot.cursor_row > target_row_) return bit(ACTION_MOVE_UP);
  if (cell.kind != target_kind_) turns_++, target_kind_ = cell.kind;
  // While lamps charge or tiles vanish no turn is taken; wait rather than count it.
  return clear_phase[player_] == CLEAR_NONE ? bit(ACTION_TURN_RIGHT) : 0;
}

// Among the unlit tiles at rest that touch a lit one (or the left edge), the one furthest
// right, and above all one that also touches a tile powered from a lamp: turning it may
// complete a row.
bool RandomPlayer::pick_target()
{
  int best_score = -1;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = BOARD_ROWS - 1; row >= 1; row--) {
      const BoardCell &cell = board[player_][column][row];
      if (!at_rest(cell) || lit(cell) || skip_until_[column][row] > frame_) continue;
      bool beside_lit = column == 0, beside_lamp_power = false;
      const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
      for (const auto &step : steps) {
        const int c = column + step[0], r = row + step[1];
        if (c < 0 || c >= BOARD_COLUMNS || r < 1 || r >= BOARD_ROWS) continue;
        const BoardCell &next = board[player_][c][r];
        beside_lit |= lit(next);
        beside_lamp_power |= next.kind != TILE_EMPTY && next.power == POWER_FROM_RIGHT;
      }
      const int score = 2 * column + (beside_lamp_power ? 20 : 0) + row / 7;
      if (!beside_lit || score <= best_score) continue;
      best_score = score;
      target_column_ = column;
      target_row_ = row;
    }
  if (best_score < 0) return false;
  target_kind_ = board[player_][target_column_][target_row_].kind;
  turns_ = 0;
  return true;
}
