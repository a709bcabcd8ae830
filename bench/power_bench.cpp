// How long one power update takes on boards from empty to full of bridges. Needs korvanta.dat
// in the working folder for the conduction patterns.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/support/headless_game.h"
#include "board/board.h"
#include "board/power.h"
#include "state/game_state.h"

namespace {

constexpr int CROSS = 11, BRIDGE = 12, BRIDGE_TURNED = 13;

template <typename KindAt> void lay_board(KindAt kind_at)
{
  if (!start_headless_game()) exit(1);
  current_player = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) {
      BoardCell &cell = cell_at(column, row);
      cell = BoardCell{};
      if (row >= 1) cell.kind = kind_at(column, row);
    }
  for (RowLamp &lamp : row_lamps[0]) lamp = RowLamp{};
  clear_phase[0] = CLEAR_NONE;
}

void run_updates(benchmark::State &state)
{
  for (auto _ : state) {
    update_power(false);
    benchmark::DoNotOptimize(powered_count[0]);
  }
  state.counters["powered"] = powered_count[0];
  state.counters["bridges"] = bridge_count;
}

void BM_UpdatePowerEmptyBoard(benchmark::State &state)
{
  lay_board([](int, int) { return TILE_EMPTY; });
  run_updates(state);
}
BENCHMARK(BM_UpdatePowerEmptyBoard);

// Every kind spread over the board, as a long game leaves it.
void BM_UpdatePowerFullBoardMixedKinds(benchmark::State &state)
{
  lay_board([](int column, int row) { return 1 + (7 * column + 11 * row) % TILE_KINDS; });
  run_updates(state);
}
BENCHMARK(BM_UpdatePowerFullBoardMixedKinds);

// Bridges and crosses in a chequer: every row is powered through, and every vertical
// conductor is reached through the crosses.
void BM_UpdatePowerFullBoardHalfBridges(benchmark::State &state)
{
  lay_board([](int column, int row) {
    if ((column + row) % 2) return CROSS;
    return row % 4 < 2 ? BRIDGE : BRIDGE_TURNED;
  });
  run_updates(state);
}
BENCHMARK(BM_UpdatePowerFullBoardHalfBridges);

// Bridges everywhere above a row of crosses: power climbs each column's chain of bridge
// links from the bottom, one link per pass of the bridge propagation.
void BM_UpdatePowerFullBoardBridgesPoweredFromBelow(benchmark::State &state)
{
  lay_board([](int, int row) { return row == PLAYING_ROWS ? CROSS : BRIDGE; });
  run_updates(state);
}
BENCHMARK(BM_UpdatePowerFullBoardBridgesPoweredFromBelow);

}  // namespace
