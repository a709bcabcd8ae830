// The join menu: selection by keys and mouse, guard, wrap and lock, entries and refusals.
#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "control/bindings.h"
#include "shell/join_menu.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

class JoinMenu : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
    for (int player = 0; player < 2; player++) {
      player_slots[player] = PlayerSlot{};
      player_slots[player].state = STATE_JOIN_MENU;
      menu_selection[player] = menu_key_guard[player] = refusal_timer[player] = 0;
      menu_idle_frames[player] = 0;
    }
  }

  static void step(int player, int n = 1) { for (current_player = player; n--;) run_join_menu(player); }
  static void hold(int player, int action, bool down = true)
  {
    key[control_bindings[player].keys[action]] = down;
  }
};

TEST_F(JoinMenu, HeldKeysStepEveryNineFramesAndWrapAndWaitOutTheLockThatThePointerIgnores)
{
  hold(0, ACTION_MOVE_DOWN);
  for (int frame = 1; frame <= 45; frame++) {  // the last step wraps to the top
    step(0);
    ASSERT_EQ(menu_selection[0], frame / 9 % 5) << frame;
  }
  hold(0, ACTION_MOVE_DOWN, false);

  // Back in the menu on a mouse, with the 10-frame lock: the key held, the pointer below.
  control_bindings[1].device = DEVICE_MOUSE2;
  player_slots[1].timer = 10;
  menu_key_guard[1] = 20;
  hold(1, ACTION_MOVE_DOWN);
  mouse_y = 124 + 33 * 2;
  step(1, 3);
  EXPECT_EQ(menu_selection[1], 1) << "the pointer moves the selection during the lock";
  mouse_y = 124 + 33 * 1;
  step(1, 7);
  EXPECT_EQ(menu_selection[1], 1) << "keys did nothing during the lock";
  step(1);
  EXPECT_EQ(menu_selection[1], 2) << "after the lock the key steps";
}

TEST_F(JoinMenu, EntriesStartTheirGamesButGamesForTwoAndSettingsWaitForTheOtherPlayer)
{
  const struct { int entry, other_state, mode, state; } starts[] = {
      {1, STATE_HIGH_SCORES, MODE_TWO_PLAYERS, STATE_LEVEL_START},  // the scores' view is free
      {2, STATE_JOIN_MENU, MODE_VERSUS, STATE_PLAYING},  // versus starts without a count-in
      {0, STATE_JOIN_MENU, MODE_ONE_PLAYER, STATE_LEVEL_START}};
  for (const auto &start : starts) {
    SetUp();
    player_slots[0].state = start.other_state;
    menu_selection[1] = start.entry;
    if (start.mode == MODE_VERSUS) {  // a mouse player's click waits for the menu guard
      control_bindings[1].device = DEVICE_MOUSE1;
      mouse_y = 124 + 33 * 2;
      mouse_b = 1;
      step(1, 8);
      EXPECT_EQ(player_slots[1].state, STATE_JOIN_MENU);
    }
    hold(1, ACTION_DRAG_BLOCK, start.mode != MODE_VERSUS);
    step(1);
    EXPECT_EQ(game_mode, start.mode);
    EXPECT_EQ(player_slots[0].state, start.mode == MODE_ONE_PLAYER ? STATE_JOIN_MENU : start.state);
    EXPECT_EQ(player_slots[1].state, start.state);
  }

  // While the right player plays, the left one is refused, with a message for 60 frames
  // during which nothing can be confirmed; after it the key confirms again.
  hold(0, ACTION_DRAG_BLOCK);
  for (int entry : {1, 2, 4}) {
    menu_selection[0] = entry;
    refusal_timer[0] = 0;
    const int refusals = sounds_played(ITEM_SOUND_REFUSAL);
    step(0, 61);
    EXPECT_EQ(player_slots[0].state, STATE_JOIN_MENU);
    EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), refusals + 1) << entry;
    step(0);
    EXPECT_EQ(sounds_played(ITEM_SOUND_REFUSAL), refusals + 2) << entry;
  }
  // A paused player lets the settings open, but not a game for two.
  player_slots[1].state = STATE_PAUSED;
  refusal_timer[0] = 0;
  fake.key_holds = {{KEY_ESC, fake.now_ms + 500, fake.now_ms + 600}};  // leaves the settings
  step(0);
  EXPECT_GE(fake.now_ms, 500) << "the settings screen ran until ESC";
  menu_selection[0] = 1;
  step(0);
  EXPECT_EQ(refusal_timer[0], 60);
}

// The computer's menu stays idle whatever its keys do; a person's "one player" leaves it
// there, and his "versus" brings it into play.
TEST_F(JoinMenu, TheComputerWaitsInItsMenuUntilAPersonStartsAGameForTwo)
{
  control_bindings[1].device = DEVICE_COMPUTER_NORMAL;
  hold(1, ACTION_MOVE_DOWN);
  hold(1, ACTION_DRAG_BLOCK);
  step(1, 30);
  EXPECT_EQ(menu_selection[1] * 100 + player_slots[1].state, STATE_JOIN_MENU);
  EXPECT_EQ(sounds_played(ITEM_SOUND_CLICK), 0);
  hold(1, ACTION_MOVE_DOWN, false);
  hold(1, ACTION_DRAG_BLOCK, false);

  hold(0, ACTION_DRAG_BLOCK);
  step(0);
  hold(0, ACTION_DRAG_BLOCK, false);
  EXPECT_EQ(player_slots[0].state, STATE_LEVEL_START);
  EXPECT_EQ(player_slots[1].state, STATE_JOIN_MENU) << "one player leaves the computer in its menu";

  player_slots[0].state = STATE_JOIN_MENU;
  menu_selection[0] = 2;  // versus
  hold(0, ACTION_DRAG_BLOCK);
  step(0);
  hold(0, ACTION_DRAG_BLOCK, false);
  EXPECT_EQ(game_mode, MODE_VERSUS);
  EXPECT_EQ(player_slots[1].state, STATE_PLAYING) << "versus brings the computer in";
}

// The rows of the left half of the back buffer that anything was drawn on.
static std::vector<int> drawn_rows()
{
  std::vector<int> rows;
  for (int y = 0; y < back_buffer->h; y++)
    for (int x = 0; x < 240; x++)
      if (getpixel(back_buffer, x, y) != 0) { rows.push_back(y); break; }
  return rows;
}

// Left alone for four seconds, a person's menu names his confirm key under the place of the
// refusal message, never together with it; a key of his takes the hint away again.
TEST_F(JoinMenu, AnIdleMenuNamesItsConfirmKeyUnderTheRefusalAndNeverWithIt)
{
  control_bindings[0].keys[ACTION_DRAG_BLOCK] = KEY_SPACE;
  char line[64];
  format_join_hint(0, line, sizeof line);
  EXPECT_STREQ(line, "press Space to choose");

  clear_bitmap(back_buffer);
  step(0, JOIN_HINT_AFTER_FRAMES);
  const std::vector<int> hint = drawn_rows();
  ASSERT_FALSE(hint.empty()) << "no hint after four idle seconds";

  clear_bitmap(back_buffer);
  hold(0, ACTION_MOVE_DOWN);
  step(0);
  hold(0, ACTION_MOVE_DOWN, false);
  step(0, 10);
  EXPECT_TRUE(drawn_rows().empty()) << "the hint stayed, or came back at once, after his key";

  // However long the menu was idle, the refusal shows alone, and above the hint's place.
  menu_idle_frames[0] = 10 * JOIN_HINT_AFTER_FRAMES;
  refusal_timer[0] = 30;
  step(0);
  const std::vector<int> refusal = drawn_rows();
  ASSERT_FALSE(refusal.empty());
  EXPECT_GE(refusal.front(), 330);
  EXPECT_LT(refusal.back(), hint.front()) << "the hint shows with the refusal or would touch it";
}
