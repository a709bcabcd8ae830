#include "board/supply.h"

#include <allegro.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/checksum.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "board/player_states.h"
#include "board/power.h"
#include "state/game_state.h"

namespace {

// Laps of each player's level sequence already used up. A level that takes more than the
// thousand drawn kinds goes on with further laps, each derived from the drawn kinds alone,
// so that boards sharing a sequence also share what follows it.
int supply_laps[2];

constexpr int LAST_ROW = BOARD_ROWS - 1;  // the bottom row, 13
constexpr int FALL_STEP = 30;             // one row per pass
constexpr int SINK_STEP = 15;             // a sinking tile moves a row every second pass
constexpr int SINK_START = 2;
constexpr int MIN_DELAY = 3;
constexpr int VERSUS_BLOCKS_TO_CLEAR = 10;

constexpr int LAND_VOLUME = 200;
constexpr int LAND_FREQUENCY = 1500;

// The kind of sequence entry i, drawing its random numbers in the fixed order: the chance of
// bridges and splits, then the chance of the last family, then the kind itself. Both
// chances are drawn even where a later step decides the bound anyway.
int draw_kind(int i, int level)
{
  int bound = 6;
  if (i > 20) bound = 10;
  if (i > 30) bound = 11;
  if (i > 10 && rand() % 1000 < level * 10 + 50) bound = 15;
  if (i > 40) bound = 15;
  if (i > 60) bound = rand() % 500 < i - 40 ? 19 : 15;
  return rand() % bound + 1;
}

void start_sequence(int player)
{
  block_supplies[player].supply_next = 0;
  supply_laps[player] = 0;
}

void copy_sequence(int from, int to)
{
  memcpy(block_supplies[to].supply_kinds, block_supplies[from].supply_kinds, SUPPLY_LENGTH);
  start_sequence(to);
}

// The two-player rule: whoever reaches a level first draws its sequence, the other copies
// it on arrival; the one behind keeps playing his own sequence where he stands.
void choose_two_player_sequence(int player)
{
  const int own = player_slots[player].level;
  const int other = player_slots[opponent_of(player)].level;
  if (player == 0) {
    if (own > other || own == 1)
      generate_supply(0);
    else if (own == other && own > 1)
      copy_sequence(1, 0);
  } else {
    if (own == other)
      copy_sequence(0, 1);
    else if (own > other)
      generate_supply(1);
  }
}

void choose_sequence(int player)
{
  switch (game_mode) {
  case MODE_TWO_PLAYERS: choose_two_player_sequence(player); break;
  case MODE_VERSUS:
    // Both boards get one sequence, drawn when the left player starts.
    if (player != 0) break;
    generate_supply(0);
    copy_sequence(0, 1);
    player_slots[0].blocks_to_clear = player_slots[1].blocks_to_clear = VERSUS_BLOCKS_TO_CLEAR;
    break;
  default: generate_supply(player); break;
  }
}

// A further lap of a sequence is derived from the level's drawn kinds alone, not from rand():
// two boards that share a level's sequence also share every lap after it, whoever gets there
// first, and the game's random numbers are not disturbed. Past position 540 the drawn kinds
// are even among all nineteen, and so are these.
// The lap and the place are spread by the multipliers of the golden ratio and of MurmurHash3,
// then mixed by the "lowbias32" finaliser, so that neighbouring places get unrelated kinds.
constexpr std::uint32_t LAP_SPREAD = 0x9e3779b9u, PLACE_SPREAD = 0x85ebca6bu;
constexpr std::uint32_t FINAL_MULTIPLIER_1 = 0x7feb352du, FINAL_MULTIPLIER_2 = 0x846ca68bu;

int further_kind(const unsigned char kinds[SUPPLY_LENGTH], int lap, int index)
{
  std::uint32_t mix = FNV_OFFSET_BASIS;
  for (int i = 0; i < SUPPLY_LENGTH; i++) mix = fnv1a_step(mix, kinds[i]);
  mix ^= static_cast<std::uint32_t>(lap) * LAP_SPREAD;
  mix ^= static_cast<std::uint32_t>(index) * PLACE_SPREAD;
  mix ^= mix >> 16;
  mix *= FINAL_MULTIPLIER_1;
  mix ^= mix >> 15;
  mix *= FINAL_MULTIPLIER_2;
  mix ^= mix >> 16;
  return static_cast<int>(mix % TILE_KINDS) + 1;
}

// The next kind of a player's supply. A level that takes more than the thousand drawn kinds
// goes on with a further lap instead of reading past them.
int take_supply_kind(int player)
{
  BlockSupply &supply = block_supplies[player];
  if (supply.supply_next >= SUPPLY_LENGTH) {
    supply.supply_next = 0;
    supply_laps[player]++;
  }
  if (supply.supply_next < 0) supply.supply_next = 0;

  const int index = supply.supply_next++;
  const int lap = supply_laps[player];
  if (supply.supply_next == SUPPLY_LENGTH) {
    supply.supply_next = 0;
    supply_laps[player]++;
  }
  return lap == 0 ? supply.supply_kinds[index] : further_kind(supply.supply_kinds, lap, index);
}

// The board overflowed: every tile bursts, from the top row down, and the game ends for this
// player (or, in versus, is lost to the other).
void overflow_board(int player)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row <= LAST_ROW; row++) {
      BoardCell &cell = board[player][column][row];
      if (cell.kind != TILE_EMPTY) cell.vanish_timer = VANISH_FRAMES + 5 * row;
    }

  end_game(player);

  for (RowLamp &lamp : row_lamps[player]) {
    lamp.state = LAMP_POWERED;
    lamp.colour = rand() % 5;
    lamp.shots_left = rand() % 20 + 5;
  }
}

// Acts on the current player: the landed tile changes his power.
void land_block()
{
  const int player = current_player;
  FallingBlock &block = falling_blocks[player];
  PlayerSlot &slot = player_slots[player];
  platform.play_sample(ITEM_SOUND_LAND, LAND_VOLUME, player_pan(player), LAND_FREQUENCY);
  BoardCell &cell = cell_at(block.column, block.row);
  cell.kind = block.kind;
  cell.is_protected = block.is_protected;
  update_power(false);

  // Blocks come faster as they land: a step after every ten landings at first, then nine...
  slot.drop_count++;
  if (slot.drop_count > 9 - slot.speed_step / 2) {
    slot.speed_step++;
    slot.drop_count = 0;
  }
  if (slot.state == STATE_PLAYING && slot.blocks_to_clear != 0) start_next_block(player);
}

}  // namespace

void generate_supply(int player)
{
  const int level = player_slots[player].level;
  unsigned char *kinds = block_supplies[player].supply_kinds;
  for (int i = 0; i < SUPPLY_LENGTH; i++)
    kinds[i] = static_cast<unsigned char>(draw_kind(i, level));
  start_sequence(player);
}

void start_level(int player, bool new_game)
{
  PlayerSlot &slot = player_slots[player];
  slot.fade_alpha = 0;
  if (new_game) {
    slot.versus_penalty = 0;
    slot.level = 1;
    slot.score = slot.table_rank = slot.timer = slot.name_cursor = 0;
  }

  choose_sequence(player);
  // The level's count-in raises it to the quota.
  if (game_mode != MODE_VERSUS) slot.blocks_to_clear = 0;

  slot.protect_next = 0;
  slot.clear_points = 0;
  slot.message_alpha = 0;
  slot.speed_step = 0;
  slot.drop_count = 0;
  slot.message_direction = 1;
  slot.clear_chain = 0;
  slot.clear_count = 0;
  slot.level_bonus = 0;
  pause_run[player] = 0;
  slot.cursor_row = 10;
  slot.cursor_column = 3;

  slot.drop_interval = game_mode == MODE_VERSUS ? 35 - 10 * difficulty
                                                : 36 - 10 * difficulty - slot.level;
  if (slot.drop_interval < MIN_DROP_INTERVAL) slot.drop_interval = MIN_DROP_INTERVAL;
}

void reset_board(int player, bool full)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) {
      BoardCell &cell = board[player][column][row];
      cell.x = PLAYER_X_STEP * player + TILE_SIZE * column + BOARD_LEFT;
      cell.y = TILE_SIZE * row + BOARD_TOP;
      cell.y_offset = cell.kind = cell.is_protected = cell.vanish_timer = 0;
    }

  for (RowLamp &lamp : row_lamps[player]) {
    if (full) lamp.colour = 0;
    lamp.glow = 5;
    lamp.state = LAMP_START_UP;
    lamp.shots_left = rand() % 3 + 2;
  }

  if (full) {
    for (ScorePopup &popup : score_popups[player]) popup.row = 0;
    for (auto &row_sparks : sparks[player])
      for (Spark &spark : row_sparks) spark.x = 0;
  }

  // The preview row; a two-player board that kept its sequence goes on where it stood.
  for (int column = 0; column < BOARD_COLUMNS; column++)
    board[player][column][0].kind = take_supply_kind(player);

  falling_blocks[player].next_column = 0;
  clear_phase[player] = CLEAR_NONE;
  start_next_block(player);
}

void start_next_block(int player)
{
  FallingBlock &block = falling_blocks[player];
  PlayerSlot &slot = player_slots[player];

  // Blocks sent by the opponent's clears fall at once.
  if (game_mode == MODE_VERSUS && slot.versus_penalty > 0) {
    block.delay = 1;
    slot.versus_penalty--;
  } else {
    block.delay = slot.drop_interval - (difficulty + 1) * slot.speed_step;
    if (block.delay < MIN_DELAY) block.delay = MIN_DELAY;
  }

  block.column = block.next_column;
  block.row = 0;
  block.step = 0;
  block.kind = board[player][block.next_column][0].kind;
  block.is_protected = slot.protect_next ? 1 : 0;
  slot.protect_next = 0;
}

void supply_step()
{
  const int player = current_player;
  FallingBlock &block = falling_blocks[player];

  // A block resting on the bottom row has landed; nothing falls until the next one starts.
  if (block.row >= LAST_ROW) return;

  if (block.delay != 0) {
    block.delay--;
    if (block.delay != 0) return;
    // The block is on its way: its column's preview shows its successor.
    cell_at(block.next_column, 0).kind = take_supply_kind(player);
    block.next_column = (block.next_column + 1) % BOARD_COLUMNS;
  }

  if (block.row == 0 && cell_at(block.column, 1).kind != TILE_EMPTY) overflow_board(player);

  block.step += FALL_STEP;
  if (block.step == FALL_STEP) {
    block.row++;
    block.step = 0;
  }
  if (block.row != LAST_ROW && cell_at(block.column, block.row + 1).kind == TILE_EMPTY) return;

  land_block();
}

void gravity_step()
{
  bool moved = false;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    // From the bottom up, so that a whole sinking column moves down by one row.
    for (int row = LAST_ROW - 1; row >= 1; row--) {
      BoardCell &cell = cell_at(column, row);
      if (cell.y_offset == 0) continue;
      cell.y_offset += SINK_STEP;
      // Once it has sunk a whole tile's height it moves into the cell below.
      if (cell.y_offset < TILE_SIZE) continue;

      BoardCell &below = cell_at(column, row + 1);
      below.kind = cell.kind;
      below.is_protected = cell.is_protected;
      cell.y_offset = 0;
      if (row == 1) cell.kind = TILE_EMPTY;
      moved = true;
    }

  if (moved) update_power(false);
  mark_falling();
}

// A tile still vanishing holds up the column above it until it is gone.
void mark_falling()
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = LAST_ROW; row >= 2; row--) {
      const BoardCell &above = cell_at(column, row - 1);
      if (cell_at(column, row).kind != TILE_EMPTY || above.kind == TILE_EMPTY) continue;
      if (above.y_offset != 0 || above.vanish_timer != 0) continue;
      for (int sinking = row - 1; sinking >= 1; sinking--)
        cell_at(column, sinking).y_offset = SINK_START;
    }
}
