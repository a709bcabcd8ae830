// The help pages: F4 opens them on the title and in the join menus but not in play, they turn
// and close on everybody's keys, put back the screen they covered without letting the closing
// key act on it, and the controls page shows the players' bindings as they are.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "control/bindings.h"
#include "shell/help_screen.h"
#include "shell/main_loop.h"
#include "shell/title_screen.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

namespace {

class HelpPages : public ::testing::Test {
protected:
  BITMAP *before = nullptr;  // a screen of stripes, which no page looks like
  int page_passes = 0;       // rests during which the screen showed something else

  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
    for (PlayerSlot &slot : player_slots) slot.state = STATE_JOIN_MENU;
    before = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int y = 0; y < SCREEN_HEIGHT; y++)
      hline(before, 0, y, SCREEN_WIDTH - 1, makecol(y % 2 * 200, 40, 90));
    blit(before, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    fake.on_rest = [this] { page_passes += !screen_is_as_before(); };
  }

  void TearDown() override { fake.on_rest = nullptr; destroy_bitmap(before); }

  bool screen_is_as_before() const
  {
    for (int y = 0; y < SCREEN_HEIGHT; y++)
      if (memcmp(game_screen->line[y], before->line[y], SCREEN_WIDTH * 2) != 0) return false;
    return true;
  }

  // F4 from now for 100 ms, then the closing key from 1 s for 200 ms.
  static void press_f4_then(int closing_key)
  {
    const int now = fake.now_ms;
    key[KEY_F4] = 1;
    global_key_guard = 21;
    fake.key_holds = {{KEY_F4, now, now + 100}, {closing_key, now + 1000, now + 1200}};
  }
};

// F4, still down as the pages open, must not close them at once; the key that does close them
// must be let go before the screen below reads it: in the join menus Delete would choose and
// ESC ask whether to quit, on the title ESC would leave.
TEST_F(HelpPages, F4OpensThemInTheJoinMenusAndOnTheTitleButNotInPlayAndTheClosingKeyActsOnNeither)
{
  for (const int other : {STATE_JOIN_MENU, STATE_PAUSED}) {
    player_slots[1].state = other;
    page_passes = 0;
    press_f4_then(KEY_DEL);
    handle_function_keys();
    EXPECT_EQ(page_passes > 30, other == STATE_JOIN_MENU) << "open only while nobody plays";
    ASSERT_FALSE(key[KEY_DEL]) << "the pages closed while Delete was still down";
    EXPECT_TRUE(screen_is_as_before()) << "the screen below is back whole";
  }

  TitleScreen title{};
  title.intro_done = true;
  press_f4_then(KEY_ESC);
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS) << "the ESC that closed the pages left the game";
  EXPECT_GT(page_passes, 30);
}

// Each input acts as it goes down, so a key held through several passes turns one page; a
// computer's keys rest here as in play.
TEST_F(HelpPages, EverybodysKeysTurnThemOncePerPressButAComputersRest)
{
  HelpScreen help;
  open_help_screen(help);
  auto press = [&](int code) {
    key[code] = 1;
    const bool open = run_help_pass(help) && run_help_pass(help) && run_help_pass(help);
    key[code] = 0;
    return open && run_help_pass(help);
  };

  control_bindings[1].keys[ACTION_MOVE_LEFT] = KEY_J;
  const struct { int code, page; } turns[] = {
      {KEY_RIGHT, 1}, {KEY_J, 0}, {KEY_LEFT, HELP_PAGE_COUNT - 1},
      {control_bindings[0].keys[ACTION_MOVE_LEFT], HELP_PAGE_COUNT - 2}};
  for (const auto &turn : turns) {
    EXPECT_TRUE(press(turn.code));
    EXPECT_EQ(help.page, turn.page) << "after " << friendly_key_name(turn.code);
  }
  control_bindings[1].device = DEVICE_COMPUTER_HARD;
  EXPECT_TRUE(press(KEY_DEL)) << "the computer's drag key closed them";
  close_help_screen(help);
}

// The page is made from the bindings each time, in plain words for each device.
TEST_F(HelpPages, TheControlsPageFollowsRebindingsAndDevices)
{
  auto column = [](int player) { return describe_controls().players[player]; };
  control_bindings[1].keys[ACTION_DRAG_BLOCK] = KEY_ENTER_PAD;
  EXPECT_STREQ(column(1).inputs[ACTION_DRAG_BLOCK], "keypad Enter");

  control_bindings[0].device = DEVICE_GAMEPAD2;
  EXPECT_STREQ(column(0).device, "gamepad 2");
  EXPECT_STREQ(column(0).inputs[ACTION_DRAG_BLOCK], "A");
  EXPECT_STRNE(column(0).note, "") << "a pad player's keys work too, and the page says so";

  control_bindings[0].device = DEVICE_MOUSE2;
  EXPECT_STREQ(column(0).inputs[ACTION_MOVE_LEFT], "pointer");
  EXPECT_STREQ(column(0).confirm, "left button");

  control_bindings[1].device = DEVICE_COMPUTER_EASY;
  EXPECT_TRUE(column(1).computer) << "its keys are shown dimmed";
  EXPECT_STREQ(column(1).confirm, "the computer");
}

}  // namespace
