#include "render/playfield.h"

#include <allegro.h>

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "board/player_states.h"
#include "board/power.h"
#include "board/supply.h"
#include "render/level_panel.h"
#include "render/translucent.h"
#include "state/game_state.h"

// Entries 12..15 stay unused: bridges and splits fill their conductors from the seeds of the
// straight and elbow kinds whose pieces they are made of.
const ChannelSeed CHANNEL_SEEDS[20] = {
  {0, 0},
  {2, 15}, {15, 2}, {2, 15}, {2, 15}, {15, 2}, {28, 15}, {15, 2}, {2, 15}, {2, 15}, {15, 2},
  {2, 15}, {0, 0},  {0, 0},  {0, 0},  {0, 0},  {2, 15},  {15, 2}, {28, 15}, {15, 28},
};

float power_pattern_phase = 0.0f;
int warning_alpha = 220;
int warning_alpha_step = 1;
int board_draw_count[2];

namespace {

constexpr int OPAQUE = 255;                // full alpha of translucent drawing
constexpr int PANEL_FADE_STEP = 5;

// The count-in's number in the level panel.
constexpr int COUNT_CLEAR_HEIGHT = 21;

constexpr int TICK_VOLUME = 150, TICK_FREQUENCY = 2000;
constexpr int WARNING_VOLUME = 155;
constexpr int WARNING_PAN_STEP = 255;      // the beeps come from the far edge of the player's side
constexpr int WARNING_FREQUENCY = 2000, DANGER_FREQUENCY = 1000;
constexpr int WARNING_SOUND_PERIOD = 30, DANGER_SOUND_PERIOD = 10;

constexpr int SUPPLY_ALPHA = 85;          // the preview of the columns not dropped into next
constexpr int DANGER_TOP_ROW = 2;         // a column this high puts its tiles in danger
constexpr int WARNING_TOP_ROW = 4;

constexpr int WARNING_ALPHA_HIGH = 254, WARNING_ALPHA_LOW = 150;

// The difficulty label between the boards: one block of rows per difficulty, shown whole or
// only its lower part.
constexpr int DIFFICULTY_X = 279, DIFFICULTY_WIDTH = 56, DIFFICULTY_BLOCK = 26;
constexpr int DIFFICULTY_Y = 222, DIFFICULTY_HEIGHT = 25;
constexpr int DIFFICULTY_LOWER_Y = 227, DIFFICULTY_LOWER_SKIP = 12, DIFFICULTY_LOWER_HEIGHT = 11;

constexpr int CURSOR_SIZE = 42, CURSOR_FRAME_CALLS = 5, CURSOR_ANIM_LAST = 24;
constexpr int CURSOR_INSET = (CURSOR_SIZE - TILE_SIZE) / 2;

// A piece cut from the tile sheet, laid at (dx, dy) from the tile's corner.
struct SheetPiece {
  int source_x, source_y, width, height, dx, dy;
};

// A bridge is the straight kind of its lower conductor with a bar of its upper conductor
// laid over it, in the dark or the powered look.
struct BridgeLook {
  int base_kind;
  bool upper_is_horizontal;
  int lower_seed, upper_seed;
  SheetPiece dark_bar, powered_bar;
};
constexpr BridgeLook BRIDGE_LOOKS[2] = {
  {2, true, 2, 1, {0, 9, 30, 12, 0, 9}, {0, 39, 30, 12, 0, 9}},       // 12: horizontal on top
  {1, false, 1, 2, {219, 0, 12, 30, 9, 0}, {219, 30, 12, 30, 9, 0}},  // 13: vertical on top
};

// A split shows its dark sprite; each powered conductor gets its quarter laid over it.
struct SplitLook {
  SheetPiece quarters[2];  // left conductor (`power`), right conductor (`power2`)
  int seeds[2];
};
constexpr SplitLook SPLIT_LOOKS[2] = {
  {{{30, 39, 21, 21, 0, 9}, {249, 0, 21, 21, 9, 0}}, {3, 5}},   // 14
  {{{270, 0, 21, 21, 0, 0}, {279, 39, 21, 21, 9, 9}}, {4, 6}},  // 15
};

bool is_powered(int power) { return power != POWER_DEAD; }

int player_x(int player) { return PLAYER_X_STEP * player; }

int mask_colour() { return makecol(255, 0, 255); }

void draw_sheet_piece(const SheetPiece &piece, int x, int y)
{
  masked_blit(item_bitmap(ITEM_TILE_PIECES), back_buffer, piece.source_x, piece.source_y,
              x + piece.dx, y + piece.dy, piece.width, piece.height);
}

bool watching_menus(int player)
{
  const int state = player_slots[player].state;
  return state == STATE_JOIN_MENU || state == STATE_HIGH_SCORES;
}

// The static background, then the difficulty label: whole while nobody plays, otherwise only
// its lower part.
void draw_frame_background()
{
  blit(background_buffer, back_buffer, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  BITMAP *labels = item_bitmap(ITEM_DIFFICULTY_SIGN);
  const int top = DIFFICULTY_BLOCK * difficulty;
  if (watching_menus(0) && watching_menus(1))
    masked_blit(labels, back_buffer, 0, top, DIFFICULTY_X, DIFFICULTY_Y, DIFFICULTY_WIDTH,
                DIFFICULTY_HEIGHT);
  else
    masked_blit(labels, back_buffer, 0, top + DIFFICULTY_LOWER_SKIP, DIFFICULTY_X,
                DIFFICULTY_LOWER_Y, DIFFICULTY_WIDTH, DIFFICULTY_LOWER_HEIGHT);
}

// Rewrites the count in the panel: the places before the units are cleared to the panel's
// transparent colour, then the number is written.
void write_count(BITMAP *panel, int value, int quota)
{
  rectfill(panel, 0, QUOTA_Y, quota_units_x(quota), QUOTA_Y + COUNT_CLEAR_HEIGHT, mask_colour());
  draw_quota_number(panel, value, quota);
}

// A new level: the panel fades in, then the quota is counted into `blocks_to_clear`, three
// at a time while more than 50 remain and one at a time after that, with a tick each time.
// Once the whole quota is in, play begins.
void run_level_count_in(int player)
{
  PlayerSlot &slot = player_slots[player];
  draw_level_panel(player);
  if (slot.fade_alpha < OPAQUE) {
    slot.fade_alpha += PANEL_FADE_STEP;
    return;
  }
  if (!count_in_step(player)) return;  // the whole quota is in: play has begun
  const int quota = level_quota(slot.level);
  write_count(level_panels[player], quota - slot.blocks_to_clear, quota);
  platform.play_sample(ITEM_SOUND_CLICK, TICK_VOLUME, player_pan(player), TICK_FREQUENCY);
}

void fade_out_level_panel(int player)
{
  PlayerSlot &slot = player_slots[player];
  draw_level_panel(player);
  if (slot.fade_alpha > 1) slot.fade_alpha -= PANEL_FADE_STEP;
}

bool board_hidden(int state)
{
  return state == STATE_JOIN_MENU || state == STATE_LEVEL_FADE_OUT ||
         state == STATE_WINNER_FADE_OUT || state == STATE_LOSER_FADE_OUT ||
         state == STATE_HIGH_SCORES;
}

bool board_fading_out(int state)
{
  return state == STATE_LEVEL_COMPLETE || state == STATE_VERSUS_WON;
}

// The preview row: dimmed except for the column the next block drops into. When a level
// ends the whole board fades, and the dimmed columns join the fade once it has come down
// to their own alpha. A preview cell without a tile does not occur in play; it is left
// empty, showing the background, as there is no sprite for the empty kind.
void draw_supply_cell(int player, int column)
{
  const PlayerSlot &slot = player_slots[player];
  const BoardCell &cell = board[player][column][0];
  if (cell.kind == TILE_EMPTY) return;

  const int board_fade = OPAQUE - slot.fade_alpha;
  int alpha = SUPPLY_ALPHA;
  if (column == falling_blocks[player].next_column)
    alpha = slot.state == STATE_LEVEL_COMPLETE ? board_fade : OPAQUE;
  if (slot.state == STATE_LEVEL_COMPLETE && board_fade < SUPPLY_ALPHA) alpha = board_fade;
  draw_translucent(tile_sprites[0][cell.kind], cell.x, BOARD_TOP, alpha);
}

void draw_bridge(int player, const BoardCell &cell, int dark_set, int phase)
{
  const BridgeLook &look = BRIDGE_LOOKS[cell.kind - 12];
  const int lower = look.upper_is_horizontal ? cell.power2 : cell.power;
  const int upper = look.upper_is_horizontal ? cell.power : cell.power2;

  draw_sprite(back_buffer, tile_sprites[dark_set + is_powered(lower)][look.base_kind], cell.x,
              cell.y);
  if (is_powered(lower)) fill_channel_power(player, cell.x, cell.y, look.lower_seed, lower, phase);

  draw_sheet_piece(is_powered(upper) ? look.powered_bar : look.dark_bar, cell.x, cell.y);
  if (is_powered(upper)) fill_channel_power(player, cell.x, cell.y, look.upper_seed, upper, phase);
}

void draw_split(int player, const BoardCell &cell, int dark_set, int phase)
{
  const SplitLook &look = SPLIT_LOOKS[cell.kind - 14];
  draw_sprite(back_buffer, tile_sprites[dark_set][cell.kind], cell.x, cell.y);
  const int powers[2] = {cell.power, cell.power2};
  for (int conductor = 0; conductor < 2; conductor++) {
    if (!is_powered(powers[conductor])) continue;
    draw_sheet_piece(look.quarters[conductor], cell.x, cell.y);
    fill_channel_power(player, cell.x, cell.y, look.seeds[conductor], powers[conductor], phase);
  }
}

// A resting tile whose power is known: the powered look, with the moving pattern of its
// power filled into each conductor that carries some.
void draw_resting_tile(int player, const BoardCell &cell, int dark_set)
{
  const int phase = static_cast<int>(power_pattern_phase);
  if (is_bridge(cell.kind)) {
    draw_bridge(player, cell, dark_set, phase);
  } else if (is_split(cell.kind)) {
    draw_split(player, cell, dark_set, phase);
  } else {
    draw_sprite(back_buffer, tile_sprites[dark_set + 1][cell.kind], cell.x, cell.y);
    fill_channel_power(player, cell.x, cell.y, cell.kind, cell.power, phase);
  }
}

enum HeightWarning { HEIGHT_SAFE = 0, HEIGHT_WARNING = 1, HEIGHT_DANGER = 2 };

// A cleared tile's last frames: the vanish strip from frame 0 to 7, two drawings per frame
// except the first and the last.
void draw_vanish_frame(const BoardCell &cell)
{
  const int frame = 7 - cell.vanish_timer / 2;
  masked_blit(item_bitmap(ITEM_VANISH_STRIP), back_buffer, TILE_SIZE * frame, 0, cell.x,
              cell.y + cell.y_offset, TILE_SIZE, TILE_SIZE);
}

// One occupied playing cell. Returns whether it drew a vanish frame; raises the warning
// level when the column stands high.
bool draw_playing_cell(int player, BoardCell &cell, int top_row, int &warning_level)
{
  const PlayerSlot &slot = player_slots[player];
  wait_to_vanish(cell);
  if (is_vanishing(cell)) {
    draw_vanish_frame(cell);
    advance_vanish(cell);
    return true;
  }

  const int dark_set = cell.is_protected ? 2 : 0;
  HeightWarning height = HEIGHT_SAFE;
  if (slot.state == STATE_PLAYING || slot.state == STATE_PAUSED) {
    if (top_row <= DANGER_TOP_ROW) height = HEIGHT_DANGER;
    else if (top_row <= WARNING_TOP_ROW) height = HEIGHT_WARNING;
  }

  // Tiles that sink or wait to vanish conduct nothing yet, whatever their last power said.
  const bool moving_or_doomed = cell.vanish_timer != 0 || cell.y_offset != 0;
  if (board_fading_out(slot.state))
    draw_translucent(tile_sprites[dark_set][cell.kind], cell.x, cell.y + cell.y_offset,
                     OPAQUE - slot.fade_alpha);
  else if (moving_or_doomed ||
           (!is_bridge(cell.kind) && !is_split(cell.kind) && cell.power == POWER_DEAD))
    draw_sprite(back_buffer, tile_sprites[dark_set][cell.kind], cell.x, cell.y + cell.y_offset);
  else
    draw_resting_tile(player, cell, dark_set);

  // The overlay marks the cell, not the sinking tile.
  if (height == HEIGHT_DANGER) {
    warning_level = HEIGHT_DANGER;
    draw_translucent(cell_overlay_sprites[1], cell.x, cell.y, warning_alpha);
  } else if (height == HEIGHT_WARNING) {
    if (warning_level == HEIGHT_SAFE) warning_level = HEIGHT_WARNING;
    draw_translucent(cell_overlay_sprites[0], cell.x, cell.y, warning_alpha);
  }
  return false;
}

// The beeps of a high stack: slow for a warning, fast and low for danger; a paused game
// keeps quiet.
void sound_height_warning(int player, int warning_level)
{
  const int state = player_slots[player].state;
  if (state == STATE_PAUSED) return;
  const int drawings = board_draw_count[player];
  const int pan = WARNING_PAN_STEP * player;
  if (warning_level == HEIGHT_WARNING && drawings % WARNING_SOUND_PERIOD == 0)
    platform.play_sample(ITEM_SOUND_WARNING, WARNING_VOLUME, pan, WARNING_FREQUENCY);
  else if (warning_level == HEIGHT_DANGER && drawings % DANGER_SOUND_PERIOD == 0)
    platform.play_sample(ITEM_SOUND_WARNING, WARNING_VOLUME, pan, DANGER_FREQUENCY);
}

void swing_warning_alpha()
{
  warning_alpha += 2 * warning_alpha_step;
  if (warning_alpha > WARNING_ALPHA_HIGH || warning_alpha < WARNING_ALPHA_LOW)
    warning_alpha_step = -warning_alpha_step;
}

// Columns left to right, each from the preview row down; every cell is drawn whole before
// the next, so a column's highest tile is known before the tiles below it.
void draw_board(int player)
{
  int warning_level = HEIGHT_SAFE;
  bool vanish_drawn = false;
  for (int column = 0; column < BOARD_COLUMNS; column++) {
    draw_supply_cell(player, column);
    int top_row = 0;
    for (int row = 1; row < BOARD_ROWS; row++) {
      BoardCell &cell = board[player][column][row];
      if (cell.kind == TILE_EMPTY) continue;
      if (top_row == 0) top_row = row;
      if (draw_playing_cell(player, cell, top_row, warning_level)) vanish_drawn = true;
    }
  }

  sound_height_warning(player, warning_level);

  board_draw_count[player]++;
  swing_warning_alpha();
  if (!vanish_drawn) end_clear(player);

  power_pattern_phase += 0.5f;
  solid_mode();
}

}  // namespace

void draw_playfield()
{
  const int player = current_player;
  if (player == 0) draw_frame_background();

  const PlayerSlot &slot = player_slots[player];
  if (slot.state == STATE_LEVEL_START) run_level_count_in(player);
  if (slot.state == STATE_PLAYING && slot.fade_alpha != 0) fade_out_level_panel(player);

  if (board_hidden(slot.state)) return;
  draw_board(player);
}

void draw_falling_tile()
{
  const int player = current_player;
  const FallingBlock &block = falling_blocks[player];
  // No block has been chosen before the first drop; there is no sprite to show then.
  if (block.kind < 1 || block.kind > TILE_KINDS) return;
  const int set = block.is_protected ? 2 : 0;
  draw_sprite(back_buffer, tile_sprites[set][block.kind],
              player_x(player) + TILE_SIZE * block.column + BOARD_LEFT,
              TILE_SIZE * block.row + block.step + BOARD_TOP);
}

void draw_cursor()
{
  PlayerSlot &slot = player_slots[current_player];
  const int frame = slot.cursor_anim / CURSOR_FRAME_CALLS;
  const int x = player_x(current_player) + TILE_SIZE * slot.cursor_column + BOARD_LEFT;
  const int y = TILE_SIZE * slot.cursor_row + BOARD_TOP;
  masked_blit(item_bitmap(ITEM_CURSOR), back_buffer, CURSOR_SIZE * frame, 0, x - CURSOR_INSET,
              y - CURSOR_INSET, CURSOR_SIZE, CURSOR_SIZE);
  slot.cursor_anim++;
  if (slot.cursor_anim > CURSOR_ANIM_LAST) slot.cursor_anim = 0;
}

// Power from the left and from the lamps each have their pattern, and a complete path about
// to clear has its own. The left and connected patterns slide right and down as the phase
// grows, the pattern from the lamps left and up. Any other value keeps the pattern in use.
void fill_channel_power(int player, int x, int y, int seed_index, int power, int phase)
{
  if (power == POWER_FROM_LEFT)
    drawing_mode(DRAW_MODE_COPY_PATTERN, item_bitmap(ITEM_PATTERN_FROM_LEFT), phase, phase);
  else if (power == POWER_FROM_RIGHT)
    drawing_mode(DRAW_MODE_COPY_PATTERN, item_bitmap(ITEM_PATTERN_FROM_RIGHT), -phase, -phase);
  else if (power == POWER_CONNECTED)
    drawing_mode(DRAW_MODE_COPY_PATTERN,
                 item_bitmap(clear_phase[player] == CLEAR_ARMED ? ITEM_PATTERN_ARMED
                                                                        : ITEM_PATTERN_CONNECTED),
                 phase, phase);

  const ChannelSeed &seed = CHANNEL_SEEDS[seed_index];
  floodfill(back_buffer, x + seed.dx, y + seed.dy, makecol(10, 10, 10));
}
