// The computer player's reading of a board: which conductors join which, which rows a path
// from the left edge carries through to a receiving lamp, how far power reaches from either
// side, and how high the columns stand. It works on a copy of what a person sees (the resting
// tiles and the lamps), never on the game's own power maps, so that a planned move can be
// tried on the copy without touching the board.
#pragma once

#include "board/board.h"

// What a person sees of his board, for trying moves on.
struct BoardView {
  int kind[BOARD_COLUMNS][BOARD_ROWS];  // row 0 is the preview row
  bool resting[BOARD_COLUMNS][BOARD_ROWS];  // not sinking, not vanishing: it conducts
  bool receiving[PLAYING_ROWS];         // the row's lamp can complete a path
};

// The view of a player's board as it stands.
void look_at_board(int player, BoardView &view);

// What a board is worth to the computer.
struct CircuitReading {
  int lit_lamps;       // rows powered through from the left edge to their lamp
  int path_tiles;      // tiles with a conductor on such a path
  int left_reach;      // for each conductor powered from the left: its column + 1, squared, summed
  int right_reach;     // likewise from a receiving lamp: columns to the right edge, squared
  int stack_penalty;   // how far the columns stand above a safe height, squared, summed
};

CircuitReading read_circuit(const BoardView &view);

// The edges a tile kind's conductors join: up to two conductors, each a set of EDGE_ bits.
enum TileEdge { EDGE_LEFT = 1, EDGE_TOP = 2, EDGE_RIGHT = 4, EDGE_BOTTOM = 8 };
struct KindConductors {
  int edges[2];  // 0 where the kind has no second conductor
};
// By kind 0..19, read once from the conductor patterns of the resource file.
const KindConductors &kind_conductors(int kind);
