#include "shell/help_screen.h"

#include "base/display.h"
#include "base/gamepads.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "control/bindings.h"
#include "control/gamepad_layout.h"
#include "control/player_actions.h"
#include "shell/main_loop.h"
#include "shell/prerender.h"

namespace {

constexpr int PASS_MS = 20;
constexpr int RELEASE_POLL_MS = 10;

static_assert(HELP_CONTROL_ROWS == ACTION_COUNT, "the controls page has a row for every action");

const char *controls_note(int player)
{
  if (is_computer(player)) return "The computer plays; these keys rest.";
  if (gamepad_slot(player) >= 0 || uses_mouse(player)) return "His keys work as well.";
  return "";
}

// Whether a person asks for the action on his keys or pad, or any pad asks for it: the pages
// are everybody's, as the title menu is.
bool anybody_asks(int action)
{
  for (int player = 0; player < 2; player++)
    if (!is_computer(player) && person_asks(player, action)) return true;
  return any_pad_asks(action);
}

bool back_asked() { return key[KEY_LEFT] || anybody_asks(ACTION_MOVE_LEFT); }
bool on_asked() { return key[KEY_RIGHT] || anybody_asks(ACTION_MOVE_RIGHT); }

// ESC, F4 again, a drag key or button, or a mouse player's click.
bool close_asked()
{
  const bool clicked = (mouse_b & 1) && (uses_mouse(0) || uses_mouse(1));
  return key[KEY_ESC] || key[KEY_F4] || anybody_asks(ACTION_DRAG_BLOCK) || clicked;
}

void turn_page(HelpScreen &help, int step)
{
  help.page = (help.page + step + HELP_PAGE_COUNT) % HELP_PAGE_COUNT;
  platform.play_sample(ITEM_SOUND_CLICK, 255, 128, 3000);
}

// Each input acts as it goes down, so one held on through the pages acts once.
void take_input(HelpScreen &help)
{
  const bool back = back_asked(), on = on_asked(), close = close_asked();
  if (back && !help.turned_back) turn_page(help, -1);
  if (on && !help.turned_on) turn_page(help, +1);
  if (close && !help.closed) help.leaving = true;
  help.turned_back = back;
  help.turned_on = on;
  help.closed = close;
}

}  // namespace

HelpControls describe_controls()
{
  HelpControls controls;
  for (int player = 0; player < 2; player++) {
    HelpControlsColumn &column = controls.players[player];
    column.device = device_name(control_bindings[player].device);
    for (int action = 0; action < ACTION_COUNT; action++) {
      column.labels[action] = action_label(action);
      column.inputs[action] = friendly_input_name(player, action);
    }
    column.computer = is_computer(player);
    column.confirm = column.computer ? "the computer" : friendly_input_name(player, ACTION_DRAG_BLOCK);
    column.note = controls_note(player);
  }
  return controls;
}

void open_help_screen(HelpScreen &help)
{
  help = HelpScreen{};
  help.covered = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  help.page_buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  blit(game_screen, help.covered, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  // On the title, before any game, the tile and lamp pictures are not cut out yet.
  prerender_sprites();
  poll_gamepads();
  help.turned_back = back_asked();
  help.turned_on = on_asked();
  help.closed = close_asked();  // F4 itself is still down
}

bool run_help_pass(HelpScreen &help)
{
  poll_gamepads();
  take_input(help);
  draw_help_page(help.page_buffer, help.page, describe_controls(), help.phase / 2);
  help.phase++;
  blit(help.page_buffer, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  present_screen();
  platform.rest(PASS_MS);
  return !help.leaving && !leave_requested();
}

void close_help_screen(HelpScreen &help)
{
  while (close_asked() && !leave_requested()) {
    platform.rest(RELEASE_POLL_MS);
    poll_gamepads();
  }
  platform.clear_keybuf();
  blit(help.covered, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  present_screen();
  destroy_bitmap(help.covered);
  destroy_bitmap(help.page_buffer);
  help.covered = help.page_buffer = nullptr;
}

void run_help_screen()
{
  HelpScreen help;
  open_help_screen(help);
  while (run_help_pass(help)) {
  }
  close_help_screen(help);
}
