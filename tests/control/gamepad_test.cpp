// Pads stand in as SDL's virtual joysticks: the slots they fill, the one layout from buttons
// and stick to a player's actions (the stick's half-travel threshold and its repeat in play),
// and a pad pulled out during a game.
#include <SDL.h>
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gamepads.h"
#include "board/player_states.h"
#include "control/bindings.h"
#include "control/input.h"
#include "control/lost_pads.h"
#include "control/player_actions.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"
#include "tests/support/virtual_pad.h"

namespace {

class Gamepads : public ::testing::Test {
protected:
  std::vector<SDL_Joystick *> pads;  // by the order the test plugged them in

  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    ASSERT_TRUE(start_gamepads()) << SDL_GetError();
    poll_gamepads();
    ASSERT_FALSE(pad_reading(0).connected) << "a real pad on this machine";
  }

  void TearDown() override
  {
    for (size_t pad = 0; pad < pads.size(); pad++) unplug(pad);
    stop_gamepads();
    waiting_for_pad[0] = waiting_for_pad[1] = false;
  }

  size_t plug()
  {
    pads.push_back(plug_virtual_pad());
    poll_gamepads();
    return pads.size() - 1;
  }

  void unplug(size_t pad)
  {
    if (!pads[pad]) return;
    unplug_virtual_pad(pads[pad]);
    pads[pad] = nullptr;
    poll_gamepads();
  }

  void press(size_t pad, SDL_GameControllerButton button, bool down)
  {
    SDL_JoystickSetVirtualButton(pads[pad], button, down);
    poll_gamepads();
  }

  void push_stick(size_t pad, int x, int y)
  {
    SDL_JoystickSetVirtualAxis(pads[pad], SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL_JoystickSetVirtualAxis(pads[pad], SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    poll_gamepads();
  }

  // The actions asked of the player, as a string of their numbers.
  static std::string asked(int player)
  {
    std::string text;
    const ActionSet actions = requested_actions(player);
    for (int action = 0; action < ACTION_COUNT; action++)
      if (actions.held[action]) text += static_cast<char>('0' + action);
    return text;
  }

  // A frame of play for the player: the pads read, lost pads watched, his input run.
  static void frame(int player)
  {
    poll_gamepads();
    watch_lost_pads();
    current_player = player;
    handle_player_input();
  }
};

TEST_F(Gamepads, PadsFillTheSlotsInTheOrderTheyComeAndKeepThemWhenAnotherGoes)
{
  const size_t first = plug(), second = plug();
  press(second, SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_TRUE(pad_reading(1).buttons[PAD_A] && !pad_reading(0).buttons[PAD_A]);
  unplug(first);
  EXPECT_FALSE(pad_reading(0).connected);
  EXPECT_TRUE(pad_reading(1).buttons[PAD_A]) << "the second pad stays gamepad 2";
  press(plug(), SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_TRUE(pad_reading(0).buttons[PAD_B]) << "a new pad fills the empty slot";
}

TEST_F(Gamepads, TheLayoutFeedsOnlyItsOwnPlayersActionsAndHisKeysStayLive)
{
  const size_t pad = plug();
  control_bindings[1].device = DEVICE_GAMEPAD1;
  const std::vector<std::pair<SDL_GameControllerButton, std::string>> layout = {
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "0"},    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, "1"},
      {SDL_CONTROLLER_BUTTON_DPAD_UP, "2"},      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "3"},
      {SDL_CONTROLLER_BUTTON_A, "4"},            {SDL_CONTROLLER_BUTTON_X, "5"},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, "5"}, {SDL_CONTROLLER_BUTTON_B, "6"},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, "6"}, {SDL_CONTROLLER_BUTTON_START, "7"},
      {SDL_CONTROLLER_BUTTON_Y, ""},             {SDL_CONTROLLER_BUTTON_BACK, ""},
  };
  for (const auto &[button, actions] : layout) {
    press(pad, button, true);
    EXPECT_EQ(asked(1), actions) << "button " << button;
    EXPECT_EQ(asked(0), "") << "Player 1 plays the keyboard";
    press(pad, button, false);
  }
  key[KEY_PGUP] = 1;
  EXPECT_EQ(asked(1), "7") << "his pause key";
  key[KEY_PGUP] = 0;
  control_bindings[1].device = DEVICE_GAMEPAD2;
  press(pad, SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(asked(1), "") << "gamepad 2 is not connected";
}

// Past half its travel the stick is a held d-pad: in play it moves the cursor exactly as
// often as a held key does.
TEST_F(Gamepads, TheStickCountsPastHalfItsTravelAndRepeatsLikeAHeldKey)
{
  const size_t pad = plug();
  control_bindings[0].device = DEVICE_GAMEPAD1;
  const std::vector<std::pair<std::pair<int, int>, std::string>> pushes = {
      {{16383, 0}, ""}, {{16384, 0}, "1"}, {{-16384, 0}, "0"}, {{0, -16384}, "2"},
      {{0, 32767}, "3"}, {{20000, -20000}, "12"}, {{-16383, 16383}, ""},
  };
  for (const auto &[push, actions] : pushes) {
    push_stick(pad, push.first, push.second);
    EXPECT_EQ(asked(0), actions) << push.first << "," << push.second;
  }

  auto columns_after_holding = [&](bool with_stick) {
    reset_game_state();
    control_bindings[0].device = DEVICE_GAMEPAD1;
    player_slots[0].cursor_column = 0;
    push_stick(pad, with_stick ? 30000 : 0, 0);
    key[KEY_D] = !with_stick;
    std::vector<int> columns;
    for (int call = 0; call < 20; call++) frame(0), columns.push_back(player_slots[0].cursor_column);
    key[KEY_D] = 0;
    return columns;
  };
  const std::vector<int> by_key = columns_after_holding(false);
  EXPECT_EQ(columns_after_holding(true), by_key);
  EXPECT_EQ(by_key.back(), 3);
}

TEST_F(Gamepads, APadPulledOutPausesOnlyItsPlayersGameUntilItIsBack)
{
  const size_t first = plug(), second = plug();
  control_bindings[0].device = DEVICE_GAMEPAD1;
  control_bindings[1].device = DEVICE_GAMEPAD2;
  game_mode = MODE_VERSUS;
  frame(0), frame(1);  // the pads are seen in play
  unplug(second);
  frame(0), frame(1);
  EXPECT_EQ(player_slots[0].state, STATE_PLAYING);
  EXPECT_EQ(player_slots[1].state, STATE_PAUSED);

  // His pause key counts toward leaving, but does not resume without the pad.
  key[KEY_PGUP] = 1;
  for (int call = 0; call < 12; call++) {
    frame(1);
    ASSERT_EQ(player_slots[1].state, STATE_PAUSED) << call;
  }
  key[KEY_PGUP] = 0;
  EXPECT_EQ(pause_run[1], 2);

  const size_t back = plug();
  frame(1);
  EXPECT_EQ(player_slots[1].state, STATE_PAUSED) << "the pad's return alone resumes nothing";
  press(back, SDL_CONTROLLER_BUTTON_START, true);
  for (int call = 0; call < 6; call++) frame(1);
  EXPECT_EQ(player_slots[1].state, STATE_PLAYING);

  // A pad lost during the count-in pauses the game as soon as play begins.
  player_slots[0].state = STATE_LEVEL_START;
  unplug(first);
  frame(0);
  EXPECT_EQ(player_slots[0].state, STATE_LEVEL_START);
  player_slots[0].state = STATE_PLAYING;
  frame(0);
  EXPECT_EQ(player_slots[0].state, STATE_PAUSED);
  return_to_join_menu(0, AFTER_SIX_PAUSES);
  frame(0);
  EXPECT_FALSE(waiting_for_pad[0]) << "a game left behind waits for nothing";
}

}  // namespace
