#include "render/effects.h"

#include <allegro.h>

#include <cstdlib>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "state/game_state.h"

namespace {

constexpr int CARRIER_WIDTH = 36, CARRIER_HEIGHT = 26;
constexpr int CARRIER_DROP = 5;       // pixels per frame down and up; sideways it moves by one
constexpr int CHIP_DX = 5, CHIP_DY = 7;
constexpr int LAMP_DX = 8, LAMP_DY = -1;

constexpr int SPARK_SIZE = 10, SPARK_FRAMES = 5;
constexpr float SPARK_TIME_STEP = 0.1f;
constexpr double SPARK_GONE_BELOW = 500.0;

constexpr int POPUP_FADE_IN = 59;     // ages up to this fade in, later ones fade out
constexpr int POPUP_LIFE = 120;
constexpr int POPUP_ALPHA_STEP = 4;

// Arriving, a carrier drops beside the lamp column, then slides left until it docks over the
// lamp. Leaving, it slides back right, then rises off the screen and is gone.
void move_carrier(LampCarrier &carrier)
{
  if (carrier.phase == 0) {
    if (carrier.y < carrier.target_y) carrier.y += CARRIER_DROP;
    if (carrier.y >= carrier.target_y) {
      carrier.y = carrier.target_y;
      if (carrier.x > carrier.target_x) carrier.x--;
    }
    return;
  }
  if (carrier.x < carrier.target_x) carrier.x++;
  if (carrier.x == carrier.target_x) {
    if (carrier.y > carrier.target_y) carrier.y -= CARRIER_DROP;
    if (carrier.y <= carrier.target_y) carrier.x = 0;
  }
}

// The colour mark shows which lamp it carries; once a game has ended the marks are gone.
void draw_carrier(const LampCarrier &carrier, int state)
{
  masked_blit(item_bitmap(ITEM_CARRIER), back_buffer, CARRIER_WIDTH * carrier.phase, 0, carrier.x,
              carrier.y, CARRIER_WIDTH, CARRIER_HEIGHT);
  if (state != STATE_GAME_OVER && state != STATE_NAME_ENTRY)
    blit(item_bitmap(ITEM_COLOUR_CHIPS), back_buffer, 0, COLOUR_CHIP_HEIGHT * carrier.colour,
         carrier.x + CHIP_DX, carrier.y + CHIP_DY, COLOUR_CHIP_WIDTH, COLOUR_CHIP_HEIGHT);
  if (carrier.phase == 1)
    masked_blit(new_lamp_sprites[carrier.image], back_buffer, 0, 0, carrier.x + LAMP_DX,
                carrier.y + LAMP_DY, LAMP_SIZE, LAMP_SIZE);
}

}  // namespace

void draw_lamp_carriers()
{
  const int state = player_slots[current_player].state;
  for (LampCarrier &carrier : lamp_carriers[current_player]) {
    if (carrier.x == 0) continue;
    move_carrier(carrier);
    draw_carrier(carrier, state);  // also in the frame in which it leaves the screen
  }
}

// A spark drifts a pixel a frame sideways and falls ever faster, in a random frame each time.
void draw_sparks()
{
  for (auto &row_sparks : sparks[current_player])
    for (Spark &spark : row_sparks) {
      if (spark.x == 0) continue;
      spark.x += spark.dx;
      spark.y = static_cast<float>(spark.y + static_cast<double>(spark.t) * spark.t * spark.weight);
      masked_blit(item_bitmap(ITEM_SPARKS), back_buffer, SPARK_SIZE * (rand() % SPARK_FRAMES), 0,
                  spark.x, static_cast<int>(spark.y), SPARK_SIZE, SPARK_SIZE);
      spark.t += SPARK_TIME_STEP;
      if (spark.y > SPARK_GONE_BELOW) spark.x = 0;
    }
}

// A point value fades in over 60 frames and out over the next 60 while it rises ever faster.
void draw_score_popups()
{
  const int x0 = PLAYER_X_STEP * current_player + TILE_SIZE;
  for (ScorePopup &popup : score_popups[current_player]) {
    if (popup.row == 0) continue;
    const int age = popup.age;
    set_trans_blender(0, 0, 0, POPUP_ALPHA_STEP * (age <= POPUP_FADE_IN ? age : POPUP_LIFE - age));
    draw_trans_sprite(back_buffer, points_sprites[popup.value_index], x0 + TILE_SIZE * popup.column,
                      static_cast<int>(TILE_SIZE * popup.row + TILE_SIZE - 2 * popup.rise * popup.rise));
    popup.rise += popup.speed;
    popup.age++;
    if (popup.age > POPUP_LIFE) popup.row = 0;
  }
}
