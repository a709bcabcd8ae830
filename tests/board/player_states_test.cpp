// A player's states walked through the game's own steps: every way back to the join menu with
// the lock and selection each leaves, and a won level through its panel into the next one.
#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "board/lamps.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "control/input.h"
#include "scores/game_over.h"
#include "scores/high_scores.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"
#include "shell/prerender.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

namespace {

class PlayerStates : public InScratchFolder {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    prepare_play_screen();
    reset_high_scores();
    name_entry_owner = 0;
    for (int player = 0; player < 2; player++) {
      for (int row = 0; row < PLAYING_ROWS; row++) row_lamps[player][row].colour = row % LAMP_COLOURS;
      redraw_lamp_column(player);
      player_slots[player].timer = 0;
    }
  }

  // Whether the lamps' colour marks beside the player's board are in the background.
  static bool lamp_marks_shown(int player)
  {
    const int x = PLAYER_X_STEP * player + 210;
    for (int y = 60; y < 430; y++)
      for (int i = x; i < x + 4; i++)
        if (getpixel(background_buffer, i, y) != getpixel(item_bitmap(ITEM_BACKGROUND), i, y))
          return true;
    return false;
  }

  static void hold(int player, PlayerAction action, bool down)
  {
    key[control_bindings[player].keys[action]] = down;
  }

  // The player is back in his join menu with this selection, lock and lamp marks.
  static void expect_arrival(const char *way, int player, int selection, int lock, bool marks)
  {
    EXPECT_EQ(player_slots[player].state, STATE_JOIN_MENU) << way;
    EXPECT_EQ(menu_selection[player], selection) << way << ": selection";
    EXPECT_EQ(player_slots[player].timer, lock) << way << ": lock";
    EXPECT_EQ(lamp_marks_shown(player), marks) << way << ": lamp marks";
  }
};

TEST_F(PlayerStates, EveryWayBackToTheJoinMenuLeavesItsOwnSelectionLockAndLampMarks)
{
  // Six pause toggles in a row, a move between starting the count again: the first entry, no
  // lock, the marks gone.
  current_player = 1;
  auto press = [](PlayerAction action, int times) {
    for (int call = 0; call < times; call++) {
      input_delay[1] = 5;
      hold(1, action, true);
      handle_player_input();
      hold(1, action, false);
    }
  };
  press(ACTION_PAUSE, 4);
  press(ACTION_MOVE_UP, 1);
  press(ACTION_PAUSE, 5);
  EXPECT_EQ(player_slots[1].state, STATE_PAUSED) << "the move started the count again";
  press(ACTION_MOVE_UP, 1);
  EXPECT_EQ(player_slots[1].cursor_row, 9) << "one move before the pause, none while paused";
  press(ACTION_PAUSE, 1);
  expect_arrival("six pauses", 1, 0, 0, false);

  // A game over whose score misses the table shows it for 200 frames; the overflow has
  // already taken the marks, and nothing here touches them.
  current_player = 0;
  player_slots[0].state = STATE_GAME_OVER;
  player_slots[0].score = 999;
  for (int frame = 0; frame < 200; frame++) run_game_over();
  expect_arrival("game over without a table entry", 0, 0, 30, true);

  // A name entered: the selection stays, a longer lock; the marks are left as they are.
  reset_game_state();
  player_slots[0].state = STATE_GAME_OVER;
  player_slots[0].score = 5000;
  for (int frame = 0; frame < 50; frame++) run_game_over();
  ASSERT_EQ(player_slots[0].state, STATE_NAME_ENTRY);
  hold(0, ACTION_DRAG_BLOCK, true);
  for (int frame = 0; frame < 10 && player_slots[0].state == STATE_NAME_ENTRY; frame++) run_game_over();
  hold(0, ACTION_DRAG_BLOCK, false);
  expect_arrival("name entered", 0, 2, 50, true);

  // The end of a versus game's pictures: both players, the first entry, the marks gone.
  reset_game_state();
  for (int player = 0; player < 2; player++) redraw_lamp_column(player);
  game_mode = MODE_VERSUS;
  player_slots[0].state = STATE_WINNER_FADE_OUT;
  player_slots[1].state = STATE_LOSER_FADE_OUT;
  player_slots[0].fade_alpha = player_slots[1].fade_alpha = 4;
  message_slide[0] = message_slide[1] = 190;
  run_frame();
  for (int player = 0; player < 2; player++) {
    expect_arrival("versus pictures faded out", player, 0, 0, false);
    EXPECT_EQ(message_slide[player], 0);
  }

  // Leaving the high-score view with a key: the selection stays, a short lock, the marks too.
  redraw_lamp_column(1);
  menu_selection[1] = 3;
  player_slots[1].state = STATE_HIGH_SCORES;
  player_slots[1].timer = 0;
  hold(1, ACTION_TURN_LEFT, true);
  run_player_steps();
  hold(1, ACTION_TURN_LEFT, false);
  expect_arrival("high scores left", 1, 3, 10, true);
}

// A level won with 5 clears at level 3 earns the top bonus, booked once as its panel has
// faded in; the panel fades out, and level 4 counts its quota of 120 in before play.
TEST_F(PlayerStates, AWonLevelBooksItsBonusOnceAndTheNextLevelCountsItsQuotaIn)
{
  PlayerSlot &slot = player_slots[0];
  player_slots[1].state = STATE_JOIN_MENU;
  slot.level = 3;
  slot.clear_count = 5;
  slot.blocks_to_clear = 0;
  slot.clear_points = 40;
  current_player = 0;
  render_clear_score();

  std::vector<int> states = {slot.state};
  std::vector<int> scores = {slot.score};
  for (int frame = 0; frame < 1200 && !(states.back() == STATE_PLAYING && states.size() > 1); frame++) {
    run_frame();
    if (slot.state != states.back()) states.push_back(slot.state);
    if (slot.score != scores.back()) scores.push_back(slot.score);
  }
  EXPECT_EQ(states, (std::vector<int>{STATE_PLAYING, STATE_LEVEL_COMPLETE, STATE_LEVEL_FADE_OUT,
                                      STATE_LEVEL_START, STATE_PLAYING}));
  EXPECT_EQ(scores, (std::vector<int>{0, 40, 1040})) << "the clear, then the bonus once";
  EXPECT_EQ(slot.level, 4);
  EXPECT_EQ(slot.blocks_to_clear, level_quota(4));
  EXPECT_EQ(slot.clear_count, 0);
}

}  // namespace
