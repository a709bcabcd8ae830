#include "board/lamps.h"

#include <allegro.h>

#include <algorithm>
#include <cstdlib>

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/power.h"
#include "state/game_state.h"

namespace {

constexpr int GLOW_X = 205, GLOW_Y = 49;   // the glow and flash over a lamp being replaced
constexpr int CHIP_X = 210, CHIP_Y = 62;   // the colour mark beside the lamp
constexpr int COLUMN_TOP = 60, COLUMN_HEIGHT = 370;  // the strip of the colour marks
constexpr int BURNT_SOCKET_X = 214;        // the background laid back over a burnt-out lamp

constexpr int GLOW_STEP = 5;
constexpr int START_UP_END = 250;          // a start-up glow goes dark past this
constexpr int ARMING_GLOW = 200;           // a powered lamp past this arms the clear
constexpr int FLASH_FROM = 170;            // the flash shows late in a replacement's fade-in
constexpr int FLASH_STEP = 4;
constexpr int CARRIER_LEAVES_AT = 230;
constexpr int REPLACEMENT_DONE = 255;

constexpr int BURN_OUT_VOLUME = 255, BURN_OUT_FREQUENCY = 1500;

int lamp_x(int player) { return PLAYER_X_STEP * player + LAMP_X; }
int lamp_y(int row) { return TILE_SIZE * row + LAMP_Y; }

bool game_is_over(int player)
{
  const int state = player_slots[player].state;
  return state == STATE_GAME_OVER || state == STATE_NAME_ENTRY;
}

// A lamp's light: one of its colour's two images, chosen anew every frame so that it flickers.
void draw_glowing_lamp(int player, int row, const RowLamp &lamp)
{
  set_trans_blender(0, 0, 0, std::min(lamp.glow, 255));
  draw_trans_sprite(back_buffer, lamp_sprites[2 * lamp.colour + rand() % 2], lamp_x(player),
                    lamp_y(row));
}

// The new lamp is in place: the socket and the new colour's mark go into the background.
// Lamps that arrive after a game has ended burn on for the show.
void finish_replacement(int player, int row, RowLamp &lamp)
{
  lamp.replace_alpha = 0;
  lamp.state = LAMP_DARK;
  lamp.glow = 0;
  lamp.replacement = 0;
  lamp.colour = (lamp.colour + 1) % LAMP_COLOURS;
  masked_blit(lamp_socket_sprite, background_buffer, 0, 0, lamp_x(player), lamp_y(row), LAMP_SIZE,
              LAMP_SIZE);
  if (!game_is_over(player))
    blit(item_bitmap(ITEM_COLOUR_CHIPS), background_buffer, 0, COLOUR_CHIP_HEIGHT * lamp.colour,
         PLAYER_X_STEP * player + CHIP_X, TILE_SIZE * row + CHIP_Y, COLOUR_CHIP_WIDTH, COLOUR_CHIP_HEIGHT);
  lamp.shots_left = player_slots[player].state == STATE_GAME_OVER ? rand() % 30 + 5 : rand() % 5 + 2;
}

// The new lamp in its socket under the glow, and late in its fade-in the flash.
void draw_new_lamp(int player, int row, const RowLamp &lamp)
{
  const int x = PLAYER_X_STEP * player + GLOW_X, y = TILE_SIZE * row + GLOW_Y;
  masked_blit(new_lamp_sprites[lamp.replacement], back_buffer, 0, 0, lamp_x(player), lamp_y(row),
              LAMP_SIZE, LAMP_SIZE);
  set_trans_blender(0, 0, 0, std::max(lamp.replace_alpha, 0));
  draw_trans_sprite(back_buffer, item_bitmap(ITEM_LAMP_GLOW), x, y);
  if (lamp.replace_alpha > FLASH_FROM) {
    set_trans_blender(0, 0, 0, lamp.flash_alpha);
    draw_trans_sprite(back_buffer, item_bitmap(ITEM_LAMP_FLASH), x, y);
  }
}

// A working lamp shows while it glows: always unless it is dark and faded out.
void draw_working_lamp(int player, int row, const RowLamp &lamp)
{
  if (lamp.state != LAMP_DARK || lamp.glow != 0) draw_glowing_lamp(player, row, lamp);
}

void fade_in_new_lamp(int player, int row, RowLamp &lamp)
{
  if (lamp.replace_alpha > FLASH_FROM) lamp.flash_alpha = std::min(lamp.flash_alpha + FLASH_STEP, 255);
  if (lamp.replace_alpha < REPLACEMENT_DONE) lamp.replace_alpha++;

  if (lamp.replace_alpha == CARRIER_LEAVES_AT) {
    LampCarrier &carrier = lamp_carriers[player][row];
    carrier.phase = 1;
    carrier.colour = lamp.colour;
    carrier.target_x = PLAYER_X_STEP * player + 240;
    carrier.target_y = -40;
  }
  if (lamp.replace_alpha == REPLACEMENT_DONE) finish_replacement(player, row, lamp);
}

// Fading out when unpowered, charging while powered or in its start-up glow. Returns whether
// the lamp is still charging.
bool run_working_lamp(int player, RowLamp &lamp)
{
  if (lamp.state == LAMP_DARK) {
    lamp.glow = std::max(lamp.glow - GLOW_STEP, 0);
    return false;
  }

  bool charging = false;
  if (lamp.glow < LAMP_FULL_GLOW) {
    lamp.glow = std::min(lamp.glow + GLOW_STEP, LAMP_FULL_GLOW);
    charging = true;
  }
  if (lamp.state == LAMP_START_UP && lamp.glow > START_UP_END) lamp.state = LAMP_DARK;
  if (clear_phase[player] == CLEAR_NONE && lamp.state == LAMP_POWERED && lamp.glow > ARMING_GLOW)
    clear_phase[player] = CLEAR_ARMED;
  return charging;
}

// The carrier drops in beside the lamp column with the new lamp, and the old lamp's pieces
// fly off as sparks. The random numbers are drawn in this order, spark by spark.
void start_carrier_and_sparks(int player, int row, const RowLamp &lamp)
{
  LampCarrier &carrier = lamp_carriers[player][row];
  carrier.x = PLAYER_X_STEP * player + 240;
  carrier.target_x = PLAYER_X_STEP * player + 205;
  carrier.y = 32 * row - 416;
  carrier.target_y = TILE_SIZE * row + 55;
  carrier.phase = 0;
  carrier.image = lamp.replacement;
  carrier.colour = (lamp.colour + 1) % LAMP_COLOURS;

  for (Spark &spark : sparks[player][row]) {
    spark.dx = rand() % 3 == 0 ? -1 : 1;
    spark.y = static_cast<float>(rand() % 15 + TILE_SIZE * row + 55);
    spark.x = PLAYER_X_STEP * player + rand() % 15 + 215;
    spark.weight = rand() % 10 + 1;
    spark.t = static_cast<float>(rand() % 4 + 1) / 10.0f;
  }
}

void burn_out(int player, int row, RowLamp &lamp)
{
  const int x = PLAYER_X_STEP * player + BURNT_SOCKET_X;
  blit(item_bitmap(ITEM_BACKGROUND), background_buffer, x, lamp_y(row), x, lamp_y(row), LAMP_SIZE,
       LAMP_SIZE);
  platform.play_sample(ITEM_SOUND_BURN_OUT, BURN_OUT_VOLUME, player_pan(player), BURN_OUT_FREQUENCY);
  lamp.glow = 0;
  lamp.replace_alpha = 0;
  lamp.flash_alpha = 0;
  lamp.state = LAMP_BURNT_OUT;
  lamp.replacement = rand() % 3 + 1;
  start_carrier_and_sparks(player, row, lamp);
}

// A full lamp fires and fades out from just below full; its last shot burns it out.
void fire(int player, int row, RowLamp &lamp)
{
  player_slots[player].clear_chain++;
  lamp.state = LAMP_DARK;
  lamp.glow = LAMP_FULL_GLOW - 1;
  lamp.shots_left--;
  if (lamp.shots_left == 0) burn_out(player, row, lamp);
}

}  // namespace

void update_lamps()
{
  const int player = current_player;
  bool charging = false;
  for (int row = 0; row < PLAYING_ROWS; row++) {
    // Each lamp is drawn as it stands, then moves on.
    const RowLamp &lamp = row_lamps[player][row];
    if (lamp.replacement != 0) draw_new_lamp(player, row, lamp);
    else draw_working_lamp(player, row, lamp);
    if (advance_lamp(player, row)) charging = true;
  }

  // One lamp still charging holds back all the others: they fire together once it is full.
  if (!charging) fire_full_lamps();
}

bool advance_lamp(int player, int row)
{
  RowLamp &lamp = row_lamps[player][row];
  if (lamp.replacement != 0) {
    fade_in_new_lamp(player, row, lamp);
    return false;
  }
  return run_working_lamp(player, lamp);
}

void fire_full_lamps()
{
  const int player = current_player;
  bool fired = false;
  for (int row = 0; row < PLAYING_ROWS; row++) {
    RowLamp &lamp = row_lamps[player][row];
    if (lamp.state <= LAMP_DARK || lamp.glow != LAMP_FULL_GLOW) continue;
    fire(player, row, lamp);
    fired = true;
  }
  if (fired) update_power(true);
}

void redraw_lamp_column(int player)
{
  for (int row = 0; row < PLAYING_ROWS; row++)
    blit(item_bitmap(ITEM_COLOUR_CHIPS), background_buffer, 0, COLOUR_CHIP_HEIGHT * row_lamps[player][row].colour,
         PLAYER_X_STEP * player + CHIP_X, TILE_SIZE * row + CHIP_Y, COLOUR_CHIP_WIDTH, COLOUR_CHIP_HEIGHT);
}

void clear_lamp_column(int player)
{
  const int x = PLAYER_X_STEP * player + CHIP_X;
  blit(item_bitmap(ITEM_BACKGROUND), background_buffer, x, COLUMN_TOP, x, COLUMN_TOP, COLOUR_CHIP_WIDTH,
       COLUMN_HEIGHT);
}
