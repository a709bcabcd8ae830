// The computer at the controls of a player's board. Once a frame, before the in-game input, it
// looks at what a person would see (its own board, its falling block, its lamps), picks a move
// (a tile to turn, or to drag into a gap) and asks for the actions a person's keys would give,
// through the same seam; the input then applies the game's rules to them, with their delay,
// refusals and sounds. It never writes the board, the cursor or the supply itself.
//
// Its strength: hard plans at once and always takes its best move; normal and easy wait a
// reaction time before each plan, look only so far from their cursor, and now and then take
// a worse move, as a person does.
#pragma once

#include <cstdint>

#include "control/circuit.h"

// Seeds the computer's own dice (it never draws from rand(), so that the game's blocks, sparks
// and flicker come out as they would with a person in its place) and forgets every plan.
void reset_computer_players(std::uint32_t seed);

// Sets computer_wishes for a player the computer plays; once a frame while he plays or
// pauses, before the in-game input.
void think_for_computer(int player);

// --- The planning, apart from the game loop, for tests and tools ---

enum PlanMove { PLAN_NONE, PLAN_TURN, PLAN_DRAG };

// One move: the tile at (column, row) turned until it is `kind_after`, or dragged one column
// `direction` (-1 left, +1 right).
struct Plan {
  PlanMove move = PLAN_NONE;
  int column = 0, row = 0;
  int kind_before = 0, kind_after = 0;
  int direction = 0;
  int gain = 0;  // what the move is worth, less what reaching it costs
};

// What a board is worth to the computer: lit lamps above all, then the tiles they would
// clear, then how far power reaches, less the danger of high columns.
int board_value(const BoardView &view);

// The best moves for a player as his board stands, best first, at most `count`; only those
// within `reach` cells of the cursor are looked at. Returns how many it found worth making.
int rank_moves(int player, int reach, Plan *plans, int count);
