#include "shell/join_menu.h"

#include <allegro.h>

#include "render/text.h"

#include "board/board.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "control/settings_screen.h"
#include "shell/display.h"
#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "shell/platform.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
#include "shell/startup.h"

int game_mode = MODE_ONE_PLAYER;
int menu_selection[2];
int menu_key_guard[2];
int refusal_timer[2];

namespace {

enum MenuEntry {
  ENTRY_ONE_PLAYER = 0,
  ENTRY_TWO_PLAYERS = 1,
  ENTRY_VERSUS = 2,
  ENTRY_HIGH_SCORES = 3,
  ENTRY_CONTROLS = 4,
};
constexpr int ENTRY_COUNT = 5;
constexpr int MENU_KEY_THRESHOLD = 8;
constexpr int REFUSAL_FRAMES = 60;
constexpr int HIGH_SCORE_VIEW_LOCK = 30;

int entry_y(int entry) { return 124 + 33 * entry; }

void play_step_sound() { platform.play_sample(ITEM_SOUND_CLICK, 255, player_pan(current_player), 3000); }

void refuse()
{
  refusal_timer[current_player] = REFUSAL_FRAMES;
  platform.play_sample(ITEM_SOUND_REFUSAL, 255, player_pan(current_player), 1000);
}

bool other_is_free(int player, bool paused_counts_as_free)
{
  const int state = player_slots[opponent_of(player)].state;
  return state == STATE_JOIN_MENU || state == STATE_HIGH_SCORES ||
         (paused_counts_as_free && state == STATE_PAUSED);
}

// A mouse player steers by moving the pointer above or below the selected entry.
bool steer_with_mouse(int player)
{
  const bool clicked = mouse_b & 1;
  platform.set_mouse_speed(3, 3);
  int &selection = menu_selection[player];
  const int y0 = entry_y(selection);
  const int pointer_y = platform.pointer_y();
  if (y0 - 2 > pointer_y && selection != 0) {
    selection--;
    menu_key_guard[player] = 0;
  }
  if (y0 + 2 < pointer_y && selection <= ENTRY_COUNT - 2) {
    selection++;
    menu_key_guard[player] = 0;
  }
  return clicked;
}

void step_with_keys(int player)
{
  int &selection = menu_selection[player];
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && action_key_down(player, ACTION_MOVE_UP)) {
    play_step_sound();
    if (--selection == -1) selection = ENTRY_COUNT - 1;
    menu_key_guard[player] = 0;
  }
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && action_key_down(player, ACTION_MOVE_DOWN)) {
    play_step_sound();
    if (++selection == ENTRY_COUNT) selection = 0;
    menu_key_guard[player] = 0;
  }
}

void start_game_for(int player)
{
  start_level(player, true);
  reset_board(player, true);
}

void start_game_for_both(GameMode mode, PlayerState first_state)
{
  game_mode = mode;
  player_slots[0].state = player_slots[1].state = first_state;
  start_game_for(0);
  start_game_for(1);
  redraw_lamp_column(0);
  redraw_lamp_column(1);
}

// Carries out the selected entry; false when it was refused.
bool confirm_entry(int player)
{
  PlayerSlot &slot = player_slots[player];
  switch (menu_selection[player]) {
  case ENTRY_ONE_PLAYER:
    game_mode = MODE_ONE_PLAYER;
    slot.state = STATE_LEVEL_START;
    start_game_for(player);
    redraw_lamp_column(player);
    break;
  case ENTRY_TWO_PLAYERS:
  case ENTRY_VERSUS: {
    if (!other_is_free(player, false)) {
      refuse();
      return false;
    }
    // Versus starts straight into play, without a level count-in.
    const bool versus = menu_selection[player] == ENTRY_VERSUS;
    start_game_for_both(versus ? MODE_VERSUS : MODE_TWO_PLAYERS,
                        versus ? STATE_PLAYING : STATE_LEVEL_START);
    break;
  }
  case ENTRY_HIGH_SCORES:
    slot.timer = HIGH_SCORE_VIEW_LOCK;
    slot.state = STATE_HIGH_SCORES;
    break;
  case ENTRY_CONTROLS:
    if (!other_is_free(player, true)) {
      refuse();
      return false;
    }
    // The settings screen draws over the whole screen: the background is laid again after.
    run_control_settings();
    draw_sprite(game_screen, item_bitmap(ITEM_BACKGROUND), 0, 0);
    present_screen();
    menu_key_guard[player] = 0;
    break;
  }
  return true;
}

void draw_refusal(int player)
{
  const int x = PLAYER_X_STEP * player + 115;
  print_centred(back_buffer, font_messages, x, 330, makecol(250, 80, 0), "not possible");
  print_centred(back_buffer, font_messages, x, 345, makecol(255, 100, 0), "because player %d",
                opponent_of(player) + 1);
  print_centred(back_buffer, font_messages, x, 360, makecol(250, 120, 0), "is playing");
}

}  // namespace

void run_join_menu(int player)
{
  PlayerSlot &slot = player_slots[player];
  menu_key_guard[player]++;

  bool clicked = false;
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && uses_mouse(player))
    clicked = steer_with_mouse(player);

  // After a return to the menu the keys wait out a short lock; the pointer does not.
  if (slot.timer != 0) {
    slot.timer--;
    return;
  }

  step_with_keys(player);
  if (uses_mouse(player)) platform.position_mouse(100, entry_y(menu_selection[player]));

  // The confirm key is read every frame, without the guard: only the click is guarded.
  if (refusal_timer[player] == 0 && (action_key_down(player, ACTION_DRAG_BLOCK) || clicked)) {
    play_step_sound();
    if (!confirm_entry(player)) return;
  }

  if (refusal_timer[player] != 0) {
    refusal_timer[player]--;
    draw_refusal(player);
  }
}

void redraw_lamp_column(int player)
{
  for (int row = 0; row < PLAYING_ROWS; row++)
    blit(item_bitmap(ITEM_COLOUR_CHIPS), background_buffer, 0, 6 * row_lamps[player][row].colour,
         PLAYER_X_STEP * player + 210, 30 * row + 62, 4, 6);
}

void clear_lamp_column(int player)
{
  const int x = PLAYER_X_STEP * player + 210;
  blit(item_bitmap(ITEM_BACKGROUND), background_buffer, x, 60, x, 60, 4, 370);
}
