// The help pages: F4 opens them on the title and in the join menus but not in play, they turn
// and close on everybody's keys, put back the screen they covered without letting the closing
// key act on it, and the controls page shows the players' bindings as they are.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "control/bindings.h"
#include "shell/help_screen.h"
#include "shell/main_loop.h"
#include "shell/title_screen.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

namespace {

class HelpPages : public ::testing::Test {
protected:
  BITMAP *before = nullptr;
  int page_passes = 0;  // rests during which the screen showed something else than `before`

  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
    global_key_guard = 0;
    for (PlayerSlot &slot : player_slots) {
      slot = PlayerSlot{};
      slot.state = STATE_JOIN_MENU;
    }
    // A screen of stripes, which no page looks like.
    for (int y = 0; y < SCREEN_HEIGHT; y++)
      hline(game_screen, 0, y, SCREEN_WIDTH - 1, makecol(y % 2 * 200, 40, 90));
    before = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    blit(game_screen, before, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    fake.on_rest = [this] { page_passes += !screen_is_as_before(); };
  }

  void TearDown() override
  {
    fake.on_rest = nullptr;
    destroy_bitmap(before);
  }

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
    fake.key_holds = {{KEY_F4, now, now + 100}, {closing_key, now + 1000, now + 1200}};
  }
};

TEST_F(HelpPages, F4OpensThemInTheJoinMenusAndEscClosesThemWithoutTheQuitQuestion)
{
  global_key_guard = 20;
  press_f4_then(KEY_ESC);
  handle_function_keys();
  EXPECT_GT(page_passes, 30) << "the pages showed for the second before ESC";
  EXPECT_GE(fake.now_ms, 1200) << "the pages waited for ESC to be let go";
  EXPECT_FALSE(key[KEY_ESC]);
  EXPECT_TRUE(screen_is_as_before()) << "the menus' screen is back whole";
  EXPECT_EQ(global_key_guard, 0);

  // Nothing opens while anybody plays; F4 held only resets the guard, as F3 does.
  player_slots[1].state = STATE_PAUSED;
  page_passes = 0;
  const int now = fake.now_ms;
  global_key_guard = 20;
  key[KEY_F4] = 1;
  handle_function_keys();
  EXPECT_EQ(fake.now_ms, now) << "no page ran in play";
  EXPECT_EQ(page_passes, 0);
  EXPECT_EQ(global_key_guard, 0);
}

TEST_F(HelpPages, F4OpensThemOnTheTitleAndEscClosingThemDoesNotLeaveTheGame)
{
  TitleScreen title;
  fake.key_presses_at = {0};  // hurries the reveal
  start_title_screen(title);
  ASSERT_EQ(run_title_pass(title), TITLE_STAYS);
  platform.clear_keybuf();
  blit(game_screen, before, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  page_passes = 0;

  press_f4_then(KEY_ESC);
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS) << "the ESC that closed the pages left the game";
  EXPECT_GT(page_passes, 30);
  EXPECT_TRUE(screen_is_as_before()) << "the title is back as it was";
  EXPECT_EQ(title.idle_ms, 20) << "the demo's count starts again after the pages";
}

// Each input acts as it goes down: right turns on, a player's move-left key turns back, a
// held key does not repeat, F4 still held from opening does not close, a drag key does.
TEST_F(HelpPages, TheyTurnOnEverybodysKeysAndADragKeyClosesThem)
{
  key[KEY_F4] = 1;
  HelpScreen help;
  open_help_screen(help);
  // A pass with the key down, and one with it let go.
  auto pass_with = [&](int code) {
    key[code] = 1;
    const bool open = run_help_pass(help);
    key[code] = 0;
    return open && run_help_pass(help);
  };
  EXPECT_TRUE(run_help_pass(help)) << "F4 is still down from opening";
  key[KEY_F4] = 0;
  EXPECT_TRUE(pass_with(KEY_RIGHT));
  EXPECT_EQ(help.page, 1);
  key[KEY_RIGHT] = 1;
  for (int pass = 0; pass < 20; pass++) run_help_pass(help);
  key[KEY_RIGHT] = 0;
  EXPECT_EQ(help.page, 2) << "a held key turns one page";
  control_bindings[1].keys[ACTION_MOVE_LEFT] = KEY_J;
  pass_with(control_bindings[0].keys[ACTION_MOVE_LEFT]);
  pass_with(KEY_J);
  EXPECT_EQ(help.page, 0) << "each player's own move-left key turns back";
  pass_with(KEY_LEFT);
  EXPECT_EQ(help.page, HELP_PAGE_COUNT - 1) << "the first page turns back to the last";

  // The computer's keys rest here as in play.
  control_bindings[1].device = DEVICE_COMPUTER_HARD;
  EXPECT_TRUE(pass_with(control_bindings[1].keys[ACTION_DRAG_BLOCK]));
  control_bindings[1].device = DEVICE_KEYBOARD;
  EXPECT_FALSE(pass_with(control_bindings[1].keys[ACTION_DRAG_BLOCK]));
  const int closed_at = fake.now_ms;
  key[KEY_DEL] = 1;
  fake.key_holds = {{KEY_DEL, closed_at, closed_at + 300}};
  close_help_screen(help);
  EXPECT_GE(fake.now_ms, closed_at + 300) << "closing waits until Delete is let go: it would choose in the menu";
  EXPECT_EQ(help.page_buffer, nullptr);
}

// The page is made from the bindings each time, in plain words for each device.
TEST_F(HelpPages, TheControlsPageFollowsRebindingsAndDevices)
{
  auto column = [](int player) { return describe_controls().players[player]; };
  EXPECT_STREQ(column(0).inputs[ACTION_MOVE_UP], "W");
  EXPECT_STREQ(column(1).inputs[ACTION_TURN_RIGHT], "Page Down");
  EXPECT_STREQ(column(1).confirm, "Delete");

  control_bindings[1].keys[ACTION_DRAG_BLOCK] = KEY_ENTER_PAD;
  EXPECT_STREQ(column(1).inputs[ACTION_DRAG_BLOCK], "keypad Enter");
  EXPECT_STREQ(column(1).confirm, "keypad Enter");

  control_bindings[0].device = DEVICE_GAMEPAD2;
  EXPECT_STREQ(column(0).device, "gamepad 2");
  EXPECT_STREQ(column(0).inputs[ACTION_DRAG_BLOCK], "A");
  EXPECT_STREQ(column(0).inputs[ACTION_PAUSE], "Start");
  EXPECT_STRNE(column(0).note, "") << "a pad player's keys work too, and the page says so";

  control_bindings[0].device = DEVICE_MOUSE2;
  EXPECT_STREQ(column(0).inputs[ACTION_MOVE_LEFT], "pointer");
  EXPECT_STREQ(column(0).inputs[ACTION_TURN_LEFT], "wheel down");
  EXPECT_STREQ(column(0).inputs[ACTION_PAUSE], "5") << "a mouse pauses with its player's key";
  EXPECT_STREQ(column(0).confirm, "left button");

  control_bindings[1].device = DEVICE_COMPUTER_EASY;
  EXPECT_TRUE(column(1).computer);
  EXPECT_STREQ(column(1).device, "computer: easy");
  EXPECT_STREQ(column(1).confirm, "the computer");
  EXPECT_FALSE(column(0).computer);
}

}  // namespace
