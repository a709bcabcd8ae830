#include "board/power.h"

#include <allegro.h>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "state/game_state.h"

BridgeEntry bridge_list[MAX_BRIDGES];
int bridge_count;

namespace {

// Tile-local points where the patterns of neighbouring tiles meet: the middles of the edges.
constexpr int EDGE_MIDDLE = PATTERN_SIZE / 2;
constexpr int LAST_PIXEL = PATTERN_SIZE - 1;
// The power map's right edge, where every row's lamp receives.
constexpr int MAP_RIGHT = BOARD_COLUMNS * PATTERN_SIZE - 1;

BITMAP *power_map() { return power_maps[current_player]; }

int power_at(int x, int y) { return _getpixel(power_map(), x, y); }

int row_middle(int map_row) { return PATTERN_SIZE * map_row + EDGE_MIDDLE; }

void stamp_tiles()
{
  BITMAP *const patterns = item_bitmap(ITEM_CONDUCTOR_PATTERNS);
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = PLAYING_ROWS; row >= 1; row--) {
      const BoardCell &cell = cell_at(column, row);
      // Vanishing tiles and tiles sinking under gravity conduct nothing.
      if (cell.vanish_timer != 0 || cell.kind == TILE_EMPTY || cell.y_offset != 0) continue;
      blit(patterns, power_map(), (cell.kind - 1) * (PATTERN_SIZE + 1), 0, PATTERN_SIZE * column,
           PATTERN_SIZE * (row - 1), PATTERN_SIZE, PATTERN_SIZE);
      if (is_bridge(cell.kind)) bridge_list[bridge_count++] = {column, row - 1};
    }
}

void power_from_left()
{
  for (int i = 0; i < PLAYING_ROWS; i++) {
    row_lamps[current_player][i].state = LAMP_DARK;
    if (power_at(0, row_middle(i)) == POWER_DEAD)
      floodfill(power_map(), 0, row_middle(i), POWER_FROM_LEFT);
  }
}

// A conductor powered from the left that reaches a receiving lamp turns, with everything
// connected to it, into a complete path. Lamps light only for an ordinary update: when the
// lamps have just fired, none may start charging again.
void complete_paths(bool may_clear)
{
  for (int i = 0; i < PLAYING_ROWS; i++) {
    RowLamp &lamp = row_lamps[current_player][i];
    const int power = power_at(MAP_RIGHT, row_middle(i));
    if (!lamp_receives(lamp)) continue;
    if (power != POWER_FROM_LEFT && power != POWER_CONNECTED) continue;
    floodfill(power_map(), MAP_RIGHT, row_middle(i), POWER_CONNECTED);
    if (!may_clear) lamp.state = LAMP_POWERED;
  }
}

// A tile is powered when a complete path touches the middle of its left, top or right edge.
int count_powered_tiles()
{
  int count = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int i = 0; i < PLAYING_ROWS; i++) {
      const int x = PATTERN_SIZE * column, y = PATTERN_SIZE * i;
      if (power_at(x, y + EDGE_MIDDLE) == POWER_CONNECTED ||
          power_at(x + EDGE_MIDDLE, y) == POWER_CONNECTED ||
          power_at(x + LAST_PIXEL, y + EDGE_MIDDLE) == POWER_CONNECTED)
        count++;
    }
  return count;
}

// Conductors that only a working lamp reaches glow from the right.
void power_from_right()
{
  for (int i = 0; i < PLAYING_ROWS; i++)
    if (row_lamps[current_player][i].replacement == 0 &&
        power_at(MAP_RIGHT, row_middle(i)) == POWER_DEAD)
      floodfill(power_map(), MAP_RIGHT, row_middle(i), POWER_FROM_RIGHT);
}

void read_back_power()
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row <= PLAYING_ROWS; row++) {
      BoardCell &cell = cell_at(column, row);
      const int x = PATTERN_SIZE * column, y = PATTERN_SIZE * (row - 1);
      if (cell.kind == TILE_EMPTY) continue;
      if (is_bridge(cell.kind)) {
        cell.power = power_at(x, y + EDGE_MIDDLE);
        cell.power2 = power_at(x + EDGE_MIDDLE, y);
      } else if (is_split(cell.kind)) {
        cell.power = power_at(x, y + EDGE_MIDDLE);
        cell.power2 = power_at(x + LAST_PIXEL, y + EDGE_MIDDLE);
      } else {
        cell.power = power_at(x + EDGE_MIDDLE, y + EDGE_MIDDLE);
      }
    }
}

}  // namespace

void update_power(bool may_clear)
{
  powered_count[current_player] = 0;
  bridge_count = 0;
  clear_bitmap(power_map());

  stamp_tiles();

  power_from_left();
  if (bridge_count != 0) propagate_bridges(POWER_FROM_LEFT);

  complete_paths(may_clear);
  if (bridge_count != 0) propagate_bridges(POWER_CONNECTED);

  powered_count[current_player] = count_powered_tiles();

  // Lamps that have fired clear the powered tiles, from the map as it stands now.
  if (may_clear && clear_phase[current_player] != CLEAR_RUNNING && powered_count[current_player] != 0)
    clear_powered_tiles();

  power_from_right();
  if (bridge_count != 0) propagate_bridges(POWER_FROM_RIGHT);

  read_back_power();
}

void propagate_bridges(int value)
{
  bool changed;
  do {
    changed = false;
    for (int n = bridge_count - 1; n >= 0; n--) {
      const int x = PATTERN_SIZE * bridge_list[n].column + EDGE_MIDDLE;
      const int top = PATTERN_SIZE * bridge_list[n].row, bottom = top + LAST_PIXEL;
      if (power_at(x, top) == value && power_at(x, bottom) != value) {
        floodfill(power_map(), x, bottom, value);
        changed = true;
      }
      if (power_at(x, bottom) == value && power_at(x, top) != value) {
        floodfill(power_map(), x, top, value);
        changed = true;
      }
    }
  } while (changed);
}
