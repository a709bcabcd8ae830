#include "shell/main_loop.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/display.h"
#include "base/display_loss.h"
#include "base/gamepads.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/player_states.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "control/input.h"
#include "control/lost_pads.h"
#include "control/player_actions.h"
#include "scores/game_over.h"
#include "shell/frame_driver.h"
#include "shell/help_screen.h"
#include "shell/join_menu.h"
#include "shell/prerender.h"
#include "shell/startup.h"
#include "state/game_state.h"

bool music_on = true;
bool windowed = false;
int global_key_guard = 0;

namespace {

constexpr int TOGGLE_KEY_THRESHOLD = 30;     // F1 and F2
constexpr int DIFFICULTY_KEY_THRESHOLD = 20; // F3 and F4

bool nobody_plays()
{
  for (const PlayerSlot &slot : player_slots)
    if (slot.state != STATE_JOIN_MENU && slot.state != STATE_HIGH_SCORES) return false;
  return true;
}

void toggle_music()
{
  if (music_on) platform.stop_music();
  else platform.play_music();
  music_on = !music_on;
}

// Switches between full screen (640 x 480) and the window (stretched by its factor). When the
// other mode cannot be had, the game goes back to the mode it had, and failing that to the
// smallest window: it never goes on without a screen. The new screen shows the background.
// The library closes the old window itself, which must not pass for a window lost.
void toggle_screen_mode()
{
  stop_watching_game_window();
  if (set_display_mode(!windowed, window_scale)) {
    windowed = !windowed;
  } else if (!set_display_mode(windowed, window_scale)) {
    if (!set_display_mode(true, 1)) {
      report_fatal("Korvanta lost its screen and could not get one back:\n%s\n", allegro_error);
      exit(1);
    }
    windowed = true;
  }
  watch_game_window();
  select_font_palette();
  draw_sprite(game_screen, item_bitmap(ITEM_BACKGROUND), 0, 0);
  present_screen();
}

bool any_bound_key_down(int player)
{
  for (int action = 0; action < ACTION_COUNT; action++)
    if (person_asks(player, action)) return true;
  return false;
}

void run_high_score_view(PlayerSlot &slot, int player)
{
  if (slot.timer != 0) {
    slot.timer--;
  } else if (any_bound_key_down(player) || mouse_b != 0) {
    // There is one mouse for both players: any button leaves either player's view.
    return_to_join_menu(player, AFTER_HIGH_SCORES);
  }
}

// Acts on the current player; the computer, where it plays, chooses its actions before the
// input reads them.
void run_play_step()
{
  const PlayerSlot &slot = player_slots[current_player];
  if ((game_mode == MODE_VERSUS || slot.blocks_to_clear != 0) && slot.state != STATE_PAUSED)
    supply_step();
  gravity_step();
  if (is_computer(current_player)) think_for_computer(current_player);
  handle_player_input();
}

}  // namespace

void enter_main_loop()
{
  difficulty = 1;
  for (int player = 0; player < 2; player++) {
    current_player = player;
    PlayerSlot &slot = player_slots[player];
    platform.position_mouse(100, join_menu_entry_y(menu_selection[player]));
    return_to_join_menu(player, AT_START);
    for (int &letter : slot.name_letters) letter = ' ';
    strcpy(slot.name, "...");
    menu_selection[0] = menu_selection[1] = 0;
    for (int row = 0; row < PLAYING_ROWS; row++) {
      RowLamp &lamp = row_lamps[player][row];
      lamp.replacement = lamp.replace_alpha = lamp.flash_alpha = 0;
      lamp_carriers[player][row].x = 0;
    }
  }
  name_entry_owner = 0;
  prepare_play_screen();
}

void handle_function_keys()
{
  global_key_guard++;
  if (global_key_guard > TOGGLE_KEY_THRESHOLD && key[KEY_F1]) {
    toggle_music();
    global_key_guard = 0;
  }
  if (global_key_guard > TOGGLE_KEY_THRESHOLD && key[KEY_F2]) {
    toggle_screen_mode();
    global_key_guard = 0;
  }
  if (global_key_guard > DIFFICULTY_KEY_THRESHOLD && key[KEY_F3]) {
    if (nobody_plays()) difficulty = (difficulty + 1) % 3;
    global_key_guard = 0;
  }
  // The help pages cover the whole screen and put it back when they close.
  if (global_key_guard > DIFFICULTY_KEY_THRESHOLD && key[KEY_F4]) {
    if (nobody_plays()) run_help_screen();
    global_key_guard = 0;
  }
}

void run_player_steps()
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    PlayerSlot &slot = player_slots[player];
    // Each test sees the state as the one before it left it.
    if (slot.state == STATE_JOIN_MENU) run_join_menu(player);
    if (slot.state == STATE_HIGH_SCORES) run_high_score_view(slot, player);
    if (slot.state == STATE_PLAYING || slot.state == STATE_PAUSED) run_play_step();
  }
}

bool ask_quit_question()
{
  masked_blit(item_bitmap(ITEM_QUIT_QUESTION), game_screen, 0, 0, 196, 120, 248, 55);
  present_screen();
  platform.rest(200);
  platform.clear_keybuf();
  for (;;) {
    if (key[KEY_Y] || key[KEY_Z] || leave_requested()) return true;
    if (key[KEY_N]) return false;
    platform.rest(1);  // the key array is filled by the library's input thread
  }
}

bool run_main_loop_pass()
{
  if (leave_requested()) return false;
  poll_gamepads();
  watch_lost_pads();
  handle_function_keys();
  run_player_steps();
  if (key[KEY_ESC] && ask_quit_question()) return false;
  run_frame();
  return true;
}

void run_main_loop()
{
  enter_main_loop();
  while (run_main_loop_pass()) {
  }
}
