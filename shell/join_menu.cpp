#include "shell/join_menu.h"

#include <allegro.h>

#include <cstdio>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "base/text.h"
#include "board/board.h"
#include "board/player_states.h"
#include "control/bindings.h"
#include "control/player_actions.h"
#include "control/input.h"
#include "control/settings_screen.h"
#include "render/level_panel.h"
#include "state/game_state.h"

int menu_key_guard[2];
int refusal_timer[2];
int menu_idle_frames[2];

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
// The idle hint stands under the refusal message's three lines (from y 330, each 14 high).
constexpr int JOIN_HINT_Y = 386, HINT_LINE_STEP = 16;

void play_step_sound(int player) { platform.play_sample(ITEM_SOUND_CLICK, 255, player_pan(player), 3000); }

void refuse(int player)
{
  refusal_timer[player] = REFUSAL_FRAMES;
  platform.play_sample(ITEM_SOUND_REFUSAL, 255, player_pan(player), 1000);
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
  const int y0 = join_menu_entry_y(selection);
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
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && person_asks(player, ACTION_MOVE_UP)) {
    play_step_sound(player);
    if (--selection == -1) selection = ENTRY_COUNT - 1;
    menu_key_guard[player] = 0;
  }
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && person_asks(player, ACTION_MOVE_DOWN)) {
    play_step_sound(player);
    if (++selection == ENTRY_COUNT) selection = 0;
    menu_key_guard[player] = 0;
  }
}

// Carries out the selected entry; false when it was refused.
bool confirm_entry(int player)
{
  switch (menu_selection[player]) {
  case ENTRY_ONE_PLAYER:
    game_mode = MODE_ONE_PLAYER;
    begin_game(player, STATE_LEVEL_START);
    break;
  case ENTRY_TWO_PLAYERS:
  case ENTRY_VERSUS: {
    if (!other_is_free(player, false)) {
      refuse(player);
      return false;
    }
    begin_game_for_both(menu_selection[player] == ENTRY_VERSUS ? MODE_VERSUS : MODE_TWO_PLAYERS);
    break;
  }
  case ENTRY_HIGH_SCORES:
    show_high_scores(player, HIGH_SCORE_VIEW_LOCK);
    break;
  case ENTRY_CONTROLS:
    if (!other_is_free(player, true)) {
      refuse(player);
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

int menu_centre_x(int player) { return PLAYER_X_STEP * player + 115; }

void draw_refusal(int player)
{
  const int x = menu_centre_x(player);
  print_centred(back_buffer, font_messages, x, 330, makecol(250, 80, 0), "not possible");
  print_centred(back_buffer, font_messages, x, 345, makecol(255, 100, 0), "because player %d",
                opponent_of(player) + 1);
  print_centred(back_buffer, font_messages, x, 360, makecol(250, 120, 0), "is playing");
}

// Any key or pad input of his, and for a mouse player a button or the pointer off its entry.
bool gives_input(int player)
{
  for (int action = 0; action < ACTION_COUNT; action++)
    if (person_asks(player, action)) return true;
  return uses_mouse(player) &&
         (mouse_b != 0 || platform.pointer_y() != join_menu_entry_y(menu_selection[player]));
}

void draw_idle_hint(int player)
{
  char line[64];
  format_join_hint(player, line, sizeof line);
  const int x = menu_centre_x(player);
  textout_centre_ex(back_buffer, font_messages, line, x, JOIN_HINT_Y, makecol(255, 196, 76), -1);
  textout_centre_ex(back_buffer, font_messages, "F4: how to play", x, JOIN_HINT_Y + HINT_LINE_STEP,
                    makecol(172, 182, 194), -1);
}

}  // namespace

void run_join_menu(int player)
{
  // The computer waits in its menu until a person brings it into a game for two.
  if (is_computer(player)) return;
  PlayerSlot &slot = player_slots[player];
  menu_key_guard[player]++;
  menu_idle_frames[player] = gives_input(player) ? 0 : menu_idle_frames[player] + 1;

  bool clicked = false;
  if (menu_key_guard[player] > MENU_KEY_THRESHOLD && uses_mouse(player))
    clicked = steer_with_mouse(player);

  // After a return to the menu the keys wait out a short lock; the pointer does not.
  if (slot.timer != 0) {
    slot.timer--;
    menu_idle_frames[player] = 0;
    return;
  }

  step_with_keys(player);
  if (uses_mouse(player)) platform.position_mouse(100, join_menu_entry_y(menu_selection[player]));

  // The confirm key is read every frame, without the guard: only the click is guarded.
  if (refusal_timer[player] == 0 && (person_asks(player, ACTION_DRAG_BLOCK) || clicked)) {
    play_step_sound(player);
    if (!confirm_entry(player)) return;
  }

  if (refusal_timer[player] != 0) {
    refusal_timer[player]--;
    draw_refusal(player);
  } else if (menu_idle_frames[player] >= JOIN_HINT_AFTER_FRAMES) {
    draw_idle_hint(player);
  }
}

void format_join_hint(int player, char *line, int size)
{
  snprintf(line, size, "press %s to choose", friendly_input_name(player, ACTION_DRAG_BLOCK));
}

// The rules set up the game; here its level panel is painted and a mouse player's pointer
// placed on his board.
void begin_game(int player, PlayerState first_state)
{
  start_game(player, first_state);
  paint_level_panel(player);
  place_pointer_for_new_game(player);
}

// Versus starts straight into play, without a level count-in.
void begin_game_for_both(GameMode mode)
{
  game_mode = mode;
  const PlayerState first_state = mode == MODE_VERSUS ? STATE_PLAYING : STATE_LEVEL_START;
  begin_game(0, first_state);
  begin_game(1, first_state);
}

