// The computer player's cost. Planning from scratch on a busy board, as it does after every
// change of its board; and its work in every frame of a versus game between two hard
// computers, where most frames find the board unchanged and only carry a plan on (the
// median of those frames is reported as a counter). Needs korvanta.dat in the working folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/support/headless_game.h"
#include "board/board.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"

namespace {

// A board two thirds full of every kind, with gaps, and no path yet lit.
void lay_mixed_board(int player, unsigned seed)
{
  std::mt19937 random(seed);
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++) {
      BoardCell &cell = board[player][column][row];
      cell = BoardCell{};
      cell.kind = row > 4 && random() % 6 != 0 ? static_cast<int>(random() % TILE_KINDS) + 1 : TILE_EMPTY;
    }
  for (RowLamp &lamp : row_lamps[player]) lamp = RowLamp{0, LAMP_DARK, 0, 3, 0, 0, 0};
  player_slots[player].cursor_column = 2;
  player_slots[player].cursor_row = 8;
}

void BM_ComputerPlansABusyBoard(benchmark::State &state)
{
  if (!start_headless_game()) {
    state.SkipWithError("the headless library or korvanta.dat could not be set up");
    return;
  }
  lay_mixed_board(0, 3);
  Plan plans[8];
  int found = 0;
  for (auto _ : state) {
    found = rank_moves(0, BOARD_ROWS, plans, 8);
    benchmark::DoNotOptimize(plans);
  }
  state.counters["moves_found"] = found;
}
BENCHMARK(BM_ComputerPlansABusyBoard)->Unit(benchmark::kMicrosecond);

// Each iteration is one frame of a versus game between two hard computers; only their
// thinking is timed. A game that ends starts again.
void BM_ComputerFrameInVersus(benchmark::State &state)
{
  if (!start_headless_game()) {
    state.SkipWithError("the headless library or korvanta.dat could not be set up");
    return;
  }
  reset_control_bindings();
  control_bindings[0].device = control_bindings[1].device = DEVICE_COMPUTER_HARD;
  auto new_game = [] {
    srand(5);
    reset_computer_players(5);
    enter_main_loop();
    begin_game_for_both(MODE_VERSUS);
  };
  new_game();
  std::vector<double> samples;
  samples.reserve(1 << 20);
  for (auto _ : state) {
    if (player_slots[0].state != STATE_PLAYING || player_slots[1].state != STATE_PLAYING) new_game();
    const auto start = std::chrono::steady_clock::now();
    for (int player = 0; player < 2; player++) {
      current_player = player;
      think_for_computer(player);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    samples.push_back(seconds / 2);
    run_main_loop_pass();  // the rest of the frame, untimed; it thinks again, which is not counted
  }
  std::sort(samples.begin(), samples.end());
  if (!samples.empty()) {
    state.counters["median_us_per_computer"] = 1e6 * samples[samples.size() / 2];
    state.counters["p99_us_per_computer"] = 1e6 * samples[samples.size() * 99 / 100];
  }
}
BENCHMARK(BM_ComputerFrameInVersus)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20000);

}  // namespace
