#include "shell/frame_driver.h"

#include <allegro.h>

#include "base/clock.h"
#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/lamps.h"
#include "board/player_states.h"
#include "render/effects.h"
#include "render/hud.h"
#include "render/level_panel.h"
#include "render/playfield.h"
#include "render/translucent.h"
#include "scores/game_over.h"
#include "shell/join_menu.h"
#include "state/game_state.h"

int message_slide[2];
int menu_pulse[2] = {5, 5};
int menu_pulse_step[2] = {1, 1};

namespace {

constexpr int FRAME_MILLISECONDS = 33;
constexpr int PRESENT_LEFT = 15;  // the leftmost columns keep what was drawn on the screen directly

// One rest for what remains of the frame, then 1 ms rests for the last of it: rest may wake
// early or late by a little, and the frame starts once the counter says so, as with 1 ms
// rests alone, but the process wakes a few times per frame instead of thirty. A frame that
// took longer already still rests 1 ms.
void pace_frame()
{
  const int remaining = FRAME_MILLISECONDS - tick_counter;
  platform.rest(remaining > 1 ? remaining : 1);
  while (tick_counter < FRAME_MILLISECONDS) platform.rest(1);
  tick_counter = 0;
}

void advance_menu_pulse(int player)
{
  if (menu_pulse[player] > 30 || menu_pulse[player] <= 1) menu_pulse_step[player] = -menu_pulse_step[player];
  menu_pulse[player] += menu_pulse_step[player];
}

void draw_join_menu(int player)
{
  const int x = PLAYER_X_STEP * player;
  draw_sprite(back_buffer, item_bitmap(ITEM_JOIN_MENU), x + 36, 80);
  masked_blit(item_bitmap(ITEM_MENU_HIGHLIGHT), back_buffer, 0, 36 * (menu_pulse[player] / 5),
              x + 37, join_menu_entry_y(menu_selection[player]), 157, 36);
}

// The level panel fades in when a level is complete, then out, and the next level begins.
void run_level_end_fades(int player)
{
  PlayerSlot &slot = player_slots[player];
  if (slot.state == STATE_LEVEL_COMPLETE) {
    draw_level_panel(player);
    if (slot.fade_alpha > 254) {
      finish_level(player);
    } else {
      slot.fade_alpha += 3;
    }
  }
  if (slot.state == STATE_LEVEL_FADE_OUT && slot.fade_alpha != 0) {
    draw_level_panel(player);
    if (slot.fade_alpha > 1) slot.fade_alpha -= 3;
    if (slot.fade_alpha == 0) {
      start_next_level(player);
      paint_level_panel(player);
    }
  }
}

// The winner's picture rises and the loser's sinks while they fade in and out again.
void draw_versus_picture(int player, bool winner)
{
  const int direction = winner ? -1 : 1;
  draw_translucent(item_bitmap(winner ? ITEM_VERSUS_WINNER : ITEM_VERSUS_LOSER),
                   PLAYER_X_STEP * player + 81, 160 + direction * message_slide[player],
                   player_slots[player].fade_alpha);
}

void run_versus_fades(int player)
{
  PlayerSlot &slot = player_slots[player];
  if (slot.state == STATE_VERSUS_WON || slot.state == STATE_VERSUS_LOST) {
    draw_versus_picture(player, slot.state == STATE_VERSUS_WON);
    if (slot.fade_alpha > 253) {
      begin_versus_fade_out(player);
    } else {
      slot.fade_alpha += 2;
      message_slide[player]++;
    }
  }
  if ((slot.state == STATE_WINNER_FADE_OUT || slot.state == STATE_LOSER_FADE_OUT) &&
      slot.fade_alpha != 0) {
    draw_versus_picture(player, slot.state == STATE_WINNER_FADE_OUT);
    if (slot.fade_alpha > 4) {
      slot.fade_alpha -= 4;
      message_slide[player]++;
    } else {
      return_to_join_menu(player, AFTER_VERSUS);
      message_slide[player] = 0;
    }
  }
}

// The current player's half of the screen.
void draw_player_half()
{
  const int player = current_player;
  PlayerSlot &slot = player_slots[player];
  const int x = PLAYER_X_STEP * player;

  advance_menu_pulse(player);
  draw_playfield();
  draw_lamp_carriers();
  update_lamps();

  if (slot.state == STATE_JOIN_MENU) draw_join_menu(player);
  if (slot.state == STATE_HIGH_SCORES) {
    masked_blit(item_bitmap(ITEM_JOIN_MENU), back_buffer, 0, 0, x + 36, 80, 164, 40);
    draw_high_scores();
  }
  if (slot.state == STATE_PLAYING || slot.state == STATE_PAUSED) {
    if (slot.blocks_to_clear != 0) draw_falling_tile();
    draw_cursor();
  }
  draw_sparks();
  if (slot.state == STATE_PLAYING || slot.state == STATE_LEVEL_COMPLETE ||
      slot.state == STATE_LEVEL_FADE_OUT)
    draw_score_popups();
  if (slot.state == STATE_GAME_OVER || slot.state == STATE_NAME_ENTRY) {
    draw_high_scores();
    run_game_over();
  }
  if (slot.state == STATE_PAUSED) draw_sprite(back_buffer, item_bitmap(ITEM_PAUSE), x + 81, 170);

  run_level_end_fades(player);
  run_versus_fades(player);
}

}  // namespace

void run_frame()
{
  pace_frame();
  blit(back_buffer, game_screen, PRESENT_LEFT, 0, PRESENT_LEFT, 0, 665, 480);
  present_screen();
  for (int player = 0; player < 2; player++) {
    current_player = player;
    draw_player_half();
  }
  run_hud();
}
