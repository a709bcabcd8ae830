// How long the frame driver takes to compose and present one busy frame of a two-player game:
// both boards full and powered through, every lamp charging, popups, sparks and the clear
// message running. Needs korvanta.dat in the working folder.
#include <benchmark/benchmark.h>

#include "bench/support/headless_game.h"
#include "board/board.h"
#include "board/clearing.h"
#include "board/power.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "shell/frame_driver.h"
#include "state/game_state.h"

namespace {

constexpr int CROSS = 11;
constexpr int CHEQUER_KINDS[4] = {12, 14, 13, 15};  // bridges and splits between the crosses
constexpr int POPUPS_IN_USE = 60;
constexpr int POPUP_LIFE = 120;

void arm_spark(Spark &spark, int player, int row, int n)
{
  spark.dx = n % 3 == 0 ? -1 : 1;
  spark.x = PLAYER_X_STEP * player + 215 + n;
  spark.y = static_cast<float>(TILE_SIZE * row + 55 + n);
  spark.weight = n + 1;
  spark.t = static_cast<float>(n % 4 + 1) / 10.0f;
}

void arm_popup(ScorePopup &popup, int n)
{
  popup.column = static_cast<unsigned char>(n % BOARD_COLUMNS);
  popup.row = static_cast<unsigned char>(n % PLAYING_ROWS + 1);
  popup.value_index = static_cast<unsigned char>(n % TILE_KINDS);
  popup.age = static_cast<signed char>(n * 2 % POPUP_LIFE);
  popup.rise = 0.0f;
  popup.speed = 0.1f;
}

// A clear of a few lamps starts its message, as the clear draws it.
void start_clear_message(int player)
{
  current_player = player;
  player_slots[player].clear_points = 1230;
  player_slots[player].clear_chain = 3;
  render_clear_score();
}

// A full board in a chequer of crosses and bridges or splits: every row is a complete path,
// and every conductor of every tile carries power.
void lay_busy_board(int player)
{
  current_player = player;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) {
      BoardCell &cell = cell_at(column, row);
      cell = BoardCell{};
      cell.x = PLAYER_X_STEP * player + TILE_SIZE * column + BOARD_LEFT;
      cell.y = TILE_SIZE * row + BOARD_TOP;
      if (row == 0) cell.kind = 1 + column;
      else if ((column + row) % 2) cell.kind = CROSS;
      else cell.kind = CHEQUER_KINDS[(column + row / 2 + 1) % 4];
    }
  for (RowLamp &lamp : row_lamps[player]) lamp = RowLamp{player, LAMP_DARK, 0, 3, 0, 0, 0};
  clear_phase[player] = CLEAR_NONE;
  update_power(false);

  PlayerSlot &slot = player_slots[player];
  slot = PlayerSlot{};
  slot.state = STATE_PLAYING;
  slot.level = 4;
  slot.blocks_to_clear = 55;
  slot.cursor_column = 2;
  slot.cursor_row = 7;
  falling_blocks[player] = FallingBlock{0, 12, 1, 3, 0, 0, 5};
  start_clear_message(player);
  for (int n = 0; n < SCORE_POPUPS; n++) score_popups[player][n] = ScorePopup{};
  for (int n = 0; n < POPUPS_IN_USE; n++) arm_popup(score_popups[player][n], n);
  for (int row = 0; row < PLAYING_ROWS; row++)
    for (int n = 0; n < SPARKS_PER_ROW; n++) arm_spark(sparks[player][row][n], player, row, n);
  for (LampCarrier &carrier : lamp_carriers[player]) carrier = LampCarrier{};
}

int lamps_lit()
{
  int lit = 0;
  for (auto &lamps : row_lamps)
    for (const RowLamp &lamp : lamps) lit += lamp.state == LAMP_POWERED;
  return lit;
}

// What a frame uses up is put back: lamps stay below full so they never fire, and spent
// popups, sparks and clear messages start again. A few hundred writes, and
// a clear message redrawn every 117 frames.
void keep_busy(const int powered[2])
{
  for (int player = 0; player < 2; player++) {
    for (int row = 0; row < PLAYING_ROWS; row++) {
      row_lamps[player][row].glow = 100 + 10 * row;
      for (int n = 0; n < SPARKS_PER_ROW; n++)
        if (sparks[player][row][n].x == 0) arm_spark(sparks[player][row][n], player, row, n);
    }
    for (int n = 0; n < POPUPS_IN_USE; n++)
      if (score_popups[player][n].row == 0) arm_popup(score_popups[player][n], n);
    if (player_slots[player].clear_points == 0) start_clear_message(player);
    powered_count[player] = powered[player];  // the clear message zeroes it when it books
  }
}

// Both busy boards laid for a game of two; false, with the benchmark skipped, when the game
// cannot start or the boards are not powered through.
bool lay_busy_game(benchmark::State &state, int powered[2])
{
  if (!start_headless_game()) {
    state.SkipWithError("the headless library or korvanta.dat could not be set up");
    return false;
  }
  game_mode = MODE_TWO_PLAYERS;
  difficulty = 1;
  lay_busy_board(0);
  lay_busy_board(1);
  powered[0] = powered_count[0], powered[1] = powered_count[1];
  if (powered[0] != BOARD_COLUMNS * PLAYING_ROWS || powered[1] != powered[0] ||
      lamps_lit() != 2 * PLAYING_ROWS) {
    state.SkipWithError("the busy boards are not powered through");
    return false;
  }
  return true;
}

void BM_BusyTwoPlayerFrame(benchmark::State &state)
{
  int powered[2];
  if (!lay_busy_game(state, powered)) return;
  for (auto _ : state) {
    keep_busy(powered);
    run_frame();
    benchmark::ClobberMemory();
  }

  // Every lamp still lit and both players still playing: no frame went quiet.
  int sparks_lit = 0, popups_shown = 0, bridges_splits = 0;
  for (int player = 0; player < 2; player++) {
    for (auto &row_sparks : sparks[player])
      for (const Spark &spark : row_sparks) sparks_lit += spark.x != 0;
    for (const ScorePopup &popup : score_popups[player]) popups_shown += popup.row != 0;
    for (auto &column : board[player])
      for (const BoardCell &cell : column) bridges_splits += is_bridge(cell.kind) || is_split(cell.kind);
  }
  state.counters["powered"] = powered[0] + powered[1];
  state.counters["bridges_splits"] = bridges_splits;
  state.counters["sparks"] = sparks_lit;
  state.counters["popups"] = popups_shown;
  if (lamps_lit() != 2 * PLAYING_ROWS || player_slots[0].state != STATE_PLAYING ||
      player_slots[1].state != STATE_PLAYING)
    state.SkipWithError("a lamp fired or a player left play: not every frame was busy");
}
BENCHMARK(BM_BusyTwoPlayerFrame)->Unit(benchmark::kMicrosecond);

// The same busy frame with both boards played by the hard computer: each looks and carries
// its plan on before the frame is drawn, as the main loop has it.
void BM_BusyTwoPlayerFrameWithComputers(benchmark::State &state)
{
  int powered[2];
  if (!lay_busy_game(state, powered)) return;
  reset_computer_players(1);
  control_bindings[0].device = control_bindings[1].device = DEVICE_COMPUTER_HARD;
  for (auto _ : state) {
    keep_busy(powered);
    for (int player = 0; player < 2; player++) {
      current_player = player;
      think_for_computer(player);
    }
    run_frame();
    benchmark::ClobberMemory();
  }
  control_bindings[0].device = control_bindings[1].device = DEVICE_KEYBOARD;
}
BENCHMARK(BM_BusyTwoPlayerFrameWithComputers)->Unit(benchmark::kMicrosecond);

}  // namespace
