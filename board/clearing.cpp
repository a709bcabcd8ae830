#include "board/clearing.h"

#include <allegro.h>

#include <cstdlib>

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/player_states.h"
#include "board/power.h"
#include "state/game_state.h"

const int lamp_bonus_table[LAMP_BONUS_ENTRIES] = {0, 50, 100, 200, 400, 800, 1600, 2400, 3200, 4000};

namespace {

constexpr int CLEAR_VOLUME = 255, CLEAR_FREQUENCY = 1500;
constexpr int VANISH_START = VANISH_FRAMES;
constexpr int PROTECTED_POINTS = 5;
constexpr int FIVE_POINTS_SPRITE = 10;  // the points sprite of the cross, which shows 5
constexpr int BIG_CLEAR = 15;           // smaller clears make the blocks come faster
constexpr int TINY_CLEAR = 9;           // and these faster still

int map_at(int x, int y) { return _getpixel(power_maps[current_player], x, y); }

// The clear looks at the middles of the left and top edges and at the centre.
bool on_complete_path(int column, int row)
{
  const int x = PATTERN_SIZE * column, y = PATTERN_SIZE * (row - 1);
  const int middle = PATTERN_SIZE / 2;
  return map_at(x, y + middle) == POWER_CONNECTED || map_at(x + middle, y) == POWER_CONNECTED ||
         map_at(x + middle, y + middle) == POWER_CONNECTED;
}

// The first free popup takes the tile's points; when all are in use there is none (and no
// random number is drawn).
void add_popup(int column, int row, int kind, int points)
{
  for (ScorePopup &popup : score_popups[current_player]) {
    if (popup.row != 0) continue;
    popup.column = static_cast<unsigned char>(column);
    popup.row = static_cast<unsigned char>(row);
    popup.value_index = static_cast<unsigned char>(points == PROTECTED_POINTS ? FIVE_POINTS_SPRITE
                                                                              : kind - 1);
    popup.age = 0;
    popup.rise = 0.0f;
    popup.speed = static_cast<float>(rand() % 3 + 10) / 100.0f;
    return;
  }
}

// One tile on a complete path: a protected tile only loses its protection and scores 5.
void hit_tile(int column, int row)
{
  BoardCell &cell = cell_at(column, row);
  PlayerSlot &slot = player_slots[current_player];
  int points;
  if (cell.is_protected) {
    cell.is_protected = 0;
    points = PROTECTED_POINTS;
  } else {
    cell.vanish_timer = VANISH_START;
    if (slot.blocks_to_clear != 0 && game_mode != MODE_VERSUS) slot.blocks_to_clear--;
    points = tile_points[cell.kind - 1];
  }
  slot.clear_points += points;
  add_popup(column, row, cell.kind, points);
}

// Small clears make the blocks come faster for the rest of the level; each guard applies
// before its own step, so the interval may end just below its floor.
void apply_speed_penalty(PlayerSlot &slot, int hits)
{
  if (hits < BIG_CLEAR && slot.drop_interval > MIN_DROP_INTERVAL)
    slot.drop_interval -= difficulty + 1;
  if (hits <= TINY_CLEAR && slot.drop_interval > MIN_DROP_INTERVAL)
    slot.drop_interval -= difficulty + 2;
}

void blit_digit(BITMAP *target, int digit, int x)
{
  blit(item_bitmap(ITEM_SCORE_DIGITS), target, DIGIT_WIDTH * digit, 0, x, 0, DIGIT_WIDTH, DIGIT_HEIGHT);
}

}  // namespace

int lamp_bonus(int clear_chain)
{
  if (clear_chain < 1) return 0;
  if (clear_chain > LAMP_BONUS_ENTRIES) clear_chain = LAMP_BONUS_ENTRIES;
  return lamp_bonus_table[clear_chain - 1];
}

void clear_powered_tiles()
{
  const int player = current_player;
  PlayerSlot &slot = player_slots[player];
  platform.play_sample(ITEM_SOUND_CLEAR, CLEAR_VOLUME, player_pan(player), CLEAR_FREQUENCY);
  clear_phase[player] = CLEAR_RUNNING;
  slot.clear_points = 0;

  int hits = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row <= PLAYING_ROWS; row++) {
      // Sinking, empty and vanishing cells were not stamped: they are never on a path.
      if (cell_at(column, row).y_offset != 0 || !on_complete_path(column, row)) continue;
      hit_tile(column, row);
      hits++;
    }

  if (slot.speed_step != 0) {
    slot.speed_step--;
    slot.drop_count = 0;
  }
  render_clear_score();

  // The next block of each board the clear touches comes protected.
  if (game_mode == MODE_VERSUS) player_slots[opponent_of(player)].protect_next = 1;
  slot.protect_next = 1;
  slot.clear_count++;
  apply_speed_penalty(slot, hits);

  // In versus half the tiles, rounded up, fall on the opponent without delay.
  if (game_mode == MODE_VERSUS) player_slots[opponent_of(player)].versus_penalty += hits / 2 + hits % 2;
}

void render_clear_score()
{
  PlayerSlot &slot = player_slots[current_player];
  BITMAP *message = bonus_sprites[current_player];
  const int points = slot.clear_points;
  const int thousands = points / 1000, hundreds = points % 1000 / 100;
  const int tens = points % 100 / 10, units = points % 10;

  // Four places; leading zeros are left out by shifting the number left, so that it stays
  // centred.
  clear_to_color(message, makecol(255, 0, 255));
  const int shift = thousands != 0 ? 0 : hundreds != 0 ? -DIGIT_WIDTH / 2 : -DIGIT_WIDTH;
  if (thousands != 0) blit_digit(message, thousands, shift);
  if (thousands != 0 || hundreds != 0) blit_digit(message, hundreds, shift + DIGIT_WIDTH);
  blit_digit(message, tens, shift + 2 * DIGIT_WIDTH);
  blit_digit(message, units, shift + 3 * DIGIT_WIDTH);

  slot.message_alpha = 0;
  slot.message_direction = 1;
  slot.message_rise = 0;
}

void book_clear_points(int player)
{
  PlayerSlot &slot = player_slots[player];
  slot.score += lamp_bonus(slot.clear_chain) + slot.clear_points;
  powered_count[player] = 0;
}

bool end_clear_message(int player)
{
  PlayerSlot &slot = player_slots[player];
  slot.clear_points = 0;
  slot.clear_chain = 0;
  if (slot.blocks_to_clear != 0) return false;
  complete_level(player);
  return true;
}

void end_clear(int player)
{
  if (clear_phase[player] == CLEAR_RUNNING) clear_phase[player] = CLEAR_NONE;
}

void wait_to_vanish(BoardCell &cell)
{
  if (cell.vanish_timer > VANISH_FRAMES) cell.vanish_timer--;
}

bool is_vanishing(const BoardCell &cell)
{
  return cell.vanish_timer >= 1 && cell.vanish_timer <= VANISH_FRAMES;
}

void advance_vanish(BoardCell &cell)
{
  cell.vanish_timer--;
  if (cell.vanish_timer == 0) cell.kind = TILE_EMPTY;
}
