#include "control/computer_player.h"

#include <algorithm>
#include <cstdlib>

#include "base/checksum.h"
#include "board/board.h"
#include "control/bindings.h"
#include "control/player_actions.h"
#include "state/game_state.h"

namespace {

constexpr int LIT_LAMP_VALUE = 1000;
constexpr int PATH_TILE_VALUE = 25;
constexpr int LEFT_REACH_VALUE = 3;
constexpr int RIGHT_REACH_VALUE = 2;
constexpr int STACK_PENALTY_VALUE = 40;
constexpr int CALL_COST = 2;            // each call of the input that a move needs
constexpr int SWITCH_MARGIN = 50;       // a new plan must beat the one under way by this
constexpr int CANDIDATES = 8;

struct Strength {
  int reaction_frames;   // before acting on a new plan
  int reach;             // cells from the cursor it looks at
  int mistake_percent;   // chance of taking a worse move than its best
};
// By computer_strength: easy, normal, hard. Set with the league tool so that in versus hard
// beats normal and normal beats easy in well over 70% of games, and easy still clears.
constexpr Strength STRENGTHS[3] = {{36, 2, 50}, {20, 4, 35}, {0, BOARD_ROWS, 0}};

struct Mind {
  Plan plan;
  std::uint32_t seen = 0;   // the fingerprint of the board the plan was made for
  int waiting = 0;          // reaction frames left
  std::uint32_t dice = 1;
};
Mind minds[2];

std::uint32_t roll(Mind &mind)
{
  // xorshift32: the computer's own dice.
  std::uint32_t x = mind.dice;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  return mind.dice = x;
}

// What the computer saw when it last planned; a new look at a changed board plans again.
std::uint32_t fingerprint(const BoardView &view)
{
  std::uint32_t hash = FNV_OFFSET_BASIS;
  auto mix = [&](int value) { hash = (hash ^ static_cast<std::uint32_t>(value)) * FNV_PRIME; };
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++) mix(view.kind[column][row] * 2 + view.resting[column][row]);
  for (const bool receiving : view.receiving) mix(receiving);
  return hash;
}

int turned(int kind, int right_turns)
{
  for (int i = 0; i < right_turns; i++) kind = turn_right_table[kind];
  return kind;
}

// Calls of the input a turn from one kind to another takes: three right turns are one left.
int turn_calls(int from, int to)
{
  for (int right = 1; right <= 3; right++)
    if (turned(from, right) == to) return right == 3 ? 1 : right;
  return 0;
}

int distance(int column, int row, const PlayerSlot &slot)
{
  return std::max(std::abs(column - slot.cursor_column), std::abs(row - slot.cursor_row));
}

// A dragged tile sinks into its new column, and the column it left closes up: both are
// settled at once, as they will be a few frames later.
void settle(BoardView &view, int column)
{
  int write = BOARD_ROWS - 1;
  int kinds[BOARD_ROWS];
  int count = 0;
  for (int row = BOARD_ROWS - 1; row >= 1; row--) {
    if (!view.resting[column][row]) return;  // a vanishing tile holds the column up
    if (view.kind[column][row] != TILE_EMPTY) kinds[count++] = view.kind[column][row];
  }
  for (int i = 0; i < count; i++) view.kind[column][write--] = kinds[i];
  for (; write >= 1; write--) view.kind[column][write] = TILE_EMPTY;
}

void consider(Plan *plans, int count, int &found, const Plan &plan)
{
  if (plan.gain <= 0) return;
  int at = std::min(found, count);
  while (at > 0 && plans[at - 1].gain < plan.gain) {
    if (at < count) plans[at] = plans[at - 1];
    at--;
  }
  if (at < count) plans[at] = plan;
  found = std::min(found + 1, count);
}

void rank_cell(int player, const BoardView &view, int base, int column, int row, Plan *plans,
               int count, int &found)
{
  const PlayerSlot &slot = player_slots[player];
  const int kind = view.kind[column][row];
  const int walk = distance(column, row, slot);
  BoardView tried = view;

  for (int right = 1; right <= 3; right++) {
    const int after = turned(kind, right);
    if (after == kind || (right == 2 && turned(kind, 1) == after)) continue;
    tried.kind[column][row] = after;
    Plan plan{PLAN_TURN, column, row, kind, after, 0,
              board_value(tried) - base - CALL_COST * (walk + turn_calls(kind, after))};
    consider(plans, count, found, plan);
  }
  tried.kind[column][row] = kind;

  for (const int direction : {-1, +1}) {
    if (!may_slide_tile(player, column, row, column + direction)) continue;
    BoardView dragged = view;
    dragged.kind[column + direction][row] = kind;
    dragged.kind[column][row] = TILE_EMPTY;
    settle(dragged, column);
    settle(dragged, column + direction);
    Plan plan{PLAN_DRAG, column, row, kind, kind, direction,
              board_value(dragged) - base - CALL_COST * (walk + 1)};
    consider(plans, count, found, plan);
  }
}

// Whether the plan can still be carried out on the board as it stands, and is not done.
bool plan_stands(int player, const Plan &plan)
{
  const BoardCell &cell = board[player][plan.column][plan.row];
  if (cell.vanish_timer != 0 || cell.y_offset != 0) return false;
  if (plan.move == PLAN_TURN) return cell.kind != plan.kind_after && turn_calls(cell.kind, plan.kind_after) != 0;
  if (plan.move == PLAN_DRAG) {
    const int target = plan.column + plan.direction;
    return cell.kind == plan.kind_before && board[player][target][plan.row].kind == TILE_EMPTY;
  }
  return false;
}

Plan choose(int player, Mind &mind, const Strength &strength)
{
  Plan plans[CANDIDATES];
  const int found = rank_moves(player, strength.reach, plans, CANDIDATES);
  if (found == 0) return Plan{};
  int pick = 0;
  if (found > 1 && static_cast<int>(roll(mind) % 100) < strength.mistake_percent)
    pick = 1 + static_cast<int>(roll(mind) % static_cast<std::uint32_t>(std::min(found - 1, 3)));
  // A plan under way is kept unless the new one is clearly better.
  if (plan_stands(player, mind.plan) && plans[pick].gain < mind.plan.gain + SWITCH_MARGIN) return mind.plan;
  return plans[pick];
}

bool same_move(const Plan &a, const Plan &b)
{
  return a.move == b.move && a.column == b.column && a.row == b.row && a.kind_after == b.kind_after &&
         a.direction == b.direction;
}

// The keys a person would hold to carry the plan one step further.
void wish_for(int player, const Plan &plan, ActionSet &wishes)
{
  const PlayerSlot &slot = player_slots[player];
  bool *held = wishes.held;
  if (slot.cursor_column < plan.column) held[ACTION_MOVE_RIGHT] = true;
  if (slot.cursor_column > plan.column) held[ACTION_MOVE_LEFT] = true;
  if (slot.cursor_row < plan.row) held[ACTION_MOVE_DOWN] = true;
  if (slot.cursor_row > plan.row) held[ACTION_MOVE_UP] = true;
  if (slot.cursor_column != plan.column || slot.cursor_row != plan.row) return;

  if (plan.move == PLAN_TURN) {
    const int kind = board[player][plan.column][plan.row].kind;
    held[turned(kind, 3) == plan.kind_after ? ACTION_TURN_LEFT : ACTION_TURN_RIGHT] = true;
  } else {
    held[ACTION_DRAG_BLOCK] = true;
    held[plan.direction < 0 ? ACTION_MOVE_LEFT : ACTION_MOVE_RIGHT] = true;
  }
}

}  // namespace

int board_value(const BoardView &view)
{
  const CircuitReading reading = read_circuit(view);
  return LIT_LAMP_VALUE * reading.lit_lamps + PATH_TILE_VALUE * reading.path_tiles +
         LEFT_REACH_VALUE * reading.left_reach + RIGHT_REACH_VALUE * reading.right_reach -
         STACK_PENALTY_VALUE * reading.stack_penalty;
}

int rank_moves(int player, int reach, Plan *plans, int count)
{
  BoardView view;
  look_at_board(player, view);
  const int base = board_value(view);
  const PlayerSlot &slot = player_slots[player];
  int found = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++) {
      if (view.kind[column][row] == TILE_EMPTY || !view.resting[column][row]) continue;
      if (distance(column, row, slot) > reach) continue;
      rank_cell(player, view, base, column, row, plans, count, found);
    }
  return found;
}

void reset_computer_players(std::uint32_t seed)
{
  for (int player = 0; player < 2; player++) {
    minds[player] = Mind{};
    minds[player].dice = seed * 2654435761u + 1u + static_cast<std::uint32_t>(player) * 40503u;
    if (minds[player].dice == 0) minds[player].dice = 1;
    computer_wishes[player] = ActionSet{};
  }
}

void think_for_computer(int player)
{
  Mind &mind = minds[player];
  ActionSet &wishes = computer_wishes[player] = ActionSet{};
  const PlayerSlot &slot = player_slots[player];
  // Nothing to do while paused, while the board clears, or before play has begun.
  if (slot.state != STATE_PLAYING || clear_phase[player] != CLEAR_NONE) {
    mind.plan = Plan{};
    return;
  }

  const Strength &strength = STRENGTHS[computer_strength(player)];
  BoardView view;
  look_at_board(player, view);
  const std::uint32_t seen = fingerprint(view);
  if (seen != mind.seen || !plan_stands(player, mind.plan)) {
    mind.seen = seen;
    const Plan chosen = choose(player, mind, strength);
    // A new plan takes a moment to see; one already under way goes on at once.
    if (!same_move(chosen, mind.plan)) mind.waiting = strength.reaction_frames;
    mind.plan = chosen;
  }
  if (mind.waiting > 0) {
    mind.waiting--;
    return;
  }
  if (plan_stands(player, mind.plan)) wish_for(player, mind.plan, wishes);
}
