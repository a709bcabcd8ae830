#include "render/hud.h"

#include <allegro.h>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "base/text.h"
#include "board/board.h"
#include "board/clearing.h"
#include "render/level_panel.h"
#include "state/game_state.h"

namespace {

constexpr int POWERED_LINE_X = 118, POWERED_LINE_Y = 452;
constexpr int SCORE_X = 307, SCORE_Y = 77;
constexpr int NUMBERS_X = 340, LEVEL_Y = 99, BLOCKS_Y = 160, CLEARS_Y = 194;
constexpr int HALF_STEP_Y = 230;      // the right player's numbers lie this far lower

constexpr int MESSAGE_X = 79, MESSAGE_Y = 400;
constexpr int MESSAGE_FAST_UNTIL = 240, MESSAGE_FAST_STEP = 5, MESSAGE_RISE_STEP = 2;
constexpr int CHAIN_X = 36, CHAIN_Y = 30;

// The powered count says beforehand what a clear of that size does to the speed.
void print_powered_count(int player)
{
  const int count = powered_count[player];
  if (count == 0) return;
  const int x = PLAYER_X_STEP * player + POWERED_LINE_X;
  if (count >= 15)
    print_centred(back_buffer, font_messages, x, POWERED_LINE_Y, makecol(255, 255, 220),
                  "%d blocks", count);
  else if (count >= 10)
    print_centred(back_buffer, font_messages, x, POWERED_LINE_Y, makecol(200, 200, 0),
                  "%d blocks -> +speed", count);
  else
    print_centred(back_buffer, font_messages, x, POWERED_LINE_Y, makecol(230, 0, 0),
                  "%d blocks -> ++speed", count);
}

void print_number(int x, int y, int value)
{
  print_centred(back_buffer, font_numbers, x, y, -1, "%d", value);
}

// A versus game has no levels: only the score is shown.
void print_centre_column(int player)
{
  const PlayerSlot &slot = player_slots[player];
  const int y0 = HALF_STEP_Y * player;
  print_number(SCORE_X, y0 + SCORE_Y, slot.score);
  if (game_mode == MODE_VERSUS) return;
  print_number(NUMBERS_X, y0 + LEVEL_Y, slot.level);
  print_number(NUMBERS_X, y0 + BLOCKS_Y, slot.blocks_to_clear);
  print_number(NUMBERS_X, y0 + CLEARS_Y, slot.clear_count);
}

// The message rises while it fades in; at full strength it books the points and the lamp
// bonus, then fades out, and when it has gone a level without tiles left is complete.
void run_clear_message(int player)
{
  PlayerSlot &slot = player_slots[player];
  set_trans_blender(0, 0, 0, slot.message_alpha);

  if (slot.message_direction == 1) {
    slot.message_alpha += slot.message_alpha <= MESSAGE_FAST_UNTIL ? MESSAGE_FAST_STEP : 1;
    if (slot.message_alpha > 255) {
      slot.message_direction = -1;
      book_clear_points(player);
    }
  }
  slot.message_rise += MESSAGE_RISE_STEP;
  if (slot.message_direction == -1) {
    slot.message_alpha -= MESSAGE_FAST_STEP;
    if (slot.message_alpha < 0 && end_clear_message(player)) paint_level_complete_panel(player);
  }

  if (slot.clear_chain > 1)
    print_centred(bonus_sprites[player], font_numbers, CHAIN_X, CHAIN_Y, makecol(50, 255, 50),
                  "+%d", lamp_bonus(slot.clear_chain));
  draw_trans_sprite(back_buffer, bonus_sprites[player], PLAYER_X_STEP * player + MESSAGE_X,
                    MESSAGE_Y - slot.message_rise);
}

}  // namespace

void run_hud()
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    print_powered_count(player);
    print_centre_column(player);
    const PlayerSlot &slot = player_slots[player];
    if (slot.clear_points != 0 && slot.state == STATE_PLAYING) run_clear_message(player);
  }
}
