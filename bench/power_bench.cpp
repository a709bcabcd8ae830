// How long one power update takes on boards from empty to full of bridges. Needs korvanta.dat
// in the working folder for the conduction patterns.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "board/board.h"
#include "board/power.h"
#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "shell/resource_check.h"
#include "shell/resources.h"

namespace {

constexpr int CROSS = 11, BRIDGE = 12, BRIDGE_TURNED = 13;

// A library without a screen, the resource file and the power maps, made once.
void start_headless_library()
{
  static const bool started = [] {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
    set_color_depth(16);
    // The library's loader crashes on a damaged file; one the build did not pack is refused.
    if (resource_file_intact("korvanta.dat", BUILT_RESOURCE_DIGEST))
      game_data = load_resource_file("korvanta.dat");
    if (!game_data) {
      fprintf(stderr, "korvanta.dat, as built, must lie in the working folder\n");
      exit(1);
    }
    create_global_bitmaps();
    return true;
  }();
  if (!started) exit(1);
}

template <typename KindAt> void lay_board(KindAt kind_at)
{
  start_headless_library();
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
