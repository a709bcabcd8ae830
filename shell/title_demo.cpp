#include "shell/title_demo.h"

#include <allegro.h>

#include "base/clock.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "base/text.h"
#include "base/gamepads.h"
#include "control/bindings.h"
#include "control/gamepad_layout.h"
#include "control/computer_player.h"
#include "shell/frame_driver.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"

namespace {

// The sign stands at the end of the gold trace under the centre card, between the boards.
constexpr int SIGN_X = 332, SIGN_Y = 458;

void draw_demo_sign()
{
  print_centred(back_buffer, font_messages, SIGN_X, SIGN_Y, makecol(255, 210, 60), "demo");
}

// Hard against normal, a new game whenever one has ended.
void start_demo_game()
{
  control_bindings[0].device = DEVICE_COMPUTER_HARD;
  control_bindings[1].device = DEVICE_COMPUTER_NORMAL;
  reset_computer_players(static_cast<std::uint32_t>(monotonic_milliseconds()));
  enter_main_loop();
  begin_game_for_both(MODE_VERSUS);
}

bool both_in_menu()
{
  return player_slots[0].state == STATE_JOIN_MENU && player_slots[1].state == STATE_JOIN_MENU;
}

}  // namespace

bool any_input()
{
  if (platform.keypressed() || mouse_b != 0 || any_pad_input()) return true;
  for (int code = 1; code < KEY_MAX; code++)
    if (key[code]) return true;
  return false;
}

void run_title_demo()
{
  const ControlBindings kept[2] = {control_bindings[0], control_bindings[1]};
  platform.clear_keybuf();
  start_demo_game();
  while (!any_input() && !leave_requested()) {
    poll_gamepads();
    if (both_in_menu()) start_demo_game();
    run_player_steps();
    run_frame();
    draw_demo_sign();
  }
  control_bindings[0] = kept[0];
  control_bindings[1] = kept[1];
  // The key that ended the demo does nothing on the title menu.
  while (any_input() && !leave_requested()) {
    platform.clear_keybuf();
    platform.rest(10);
    poll_gamepads();
  }
}
