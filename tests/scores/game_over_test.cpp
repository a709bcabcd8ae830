// Game over and name entry, stepped through the frame driver: a name chosen letter by letter,
// two players taking turns, and the table alone for a score pushed out of it.
#include <allegro.h>
#include <gtest/gtest.h>

#include <tuple>

#include "base/global_bitmaps.h"
#include "board/board.h"
#include "control/bindings.h"
#include "scores/game_over.h"
#include "scores/high_scores.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::string_literals;

class GameOver : public InScratchFolder {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    reset_high_scores();
    enter_main_loop();  // both players in the menu, named "...", nobody at the name entry
    name_key_guard[0] = name_key_guard[1] = 0;
  }

  void game_over(int player, int score)
  {
    player_slots[player].state = STATE_GAME_OVER;
    player_slots[player].score = score;
  }

  void frames(int count) { while (count-- > 0) run_frame(); }
  void hold(int action, bool down = true) { key[control_bindings[0].keys[action]] = down; }

  // Held just long enough for the guard to let it act once.
  void press(int action) { hold(action), frames(4), hold(action, false); }
};

TEST_F(GameOver, TheNameIsChosenLetterByLetterThenStoredAndSaved)
{
  game_over(0, 5500);
  clear_phase[0] = CLEAR_RUNNING;
  fake.buffered_keys = 2;
  frames(51);
  EXPECT_EQ(player_slots[0].state, STATE_NAME_ENTRY);
  EXPECT_EQ(fake.buffered_keys, 0);

  // Held, "move up" steps the letter every 4 frames through 33 .. 127 and round to 32.
  hold(ACTION_MOVE_UP);
  const int held_frames_then_letter[][2] = {{1, 32}, {1, 33}, {4 * 94 - 1, 126}, {1, 127}, {4, 32}};
  for (const auto &[count, letter] : held_frames_then_letter) {
    frames(count);
    EXPECT_EQ(player_slots[0].name_letters[0], letter);
  }
  hold(ACTION_MOVE_UP, false);

  // Down from 32 goes round to 127; left from the first letter stays there.
  for (int action : {ACTION_MOVE_DOWN, ACTION_MOVE_LEFT, ACTION_MOVE_RIGHT, ACTION_MOVE_UP}) press(action);
  EXPECT_STREQ(player_slots[0].name, "\x7f!.") << "the last place, never visited, keeps its dot";
  press(ACTION_DRAG_BLOCK);
  EXPECT_EQ(player_slots[0].state, STATE_JOIN_MENU);
  EXPECT_EQ(clear_phase[0], CLEAR_NONE);
  EXPECT_EQ(file_bytes("korvanta.hgh").substr(55, 7), "\x7f!.\x7c\x15\0\0"s);
}

// The second waits, his timer still. Once the first has confirmed he enters below him, or,
// pushed out of the table by the first's score, gets the table alone for 200 frames.
TEST_F(GameOver, TheSecondPlayerWaitsAndTriesTheTableAgainAsTheFirstChangesIt)
{
  for (const auto &[first, second, rank] : {std::tuple{8500, 8200, 4}, std::tuple{1500, 1200, 0}}) {
    SCOPED_TRACE(second);
    SetUp();
    game_over(0, first);
    game_over(1, second);
    frames(49);
    EXPECT_EQ(player_slots[1].timer, 0);
    press(ACTION_DRAG_BLOCK);
    frames(1);
    EXPECT_EQ(player_slots[1].table_rank, rank);
    frames(rank ? 49 : 194);
    EXPECT_NE(player_slots[1].state, STATE_JOIN_MENU);
    frames(1);
    EXPECT_EQ(player_slots[1].state, rank ? STATE_NAME_ENTRY : STATE_JOIN_MENU);
    EXPECT_EQ(player_slots[1].timer, rank ? 50 : 30) << "the entry's delay, or the menu's lock";
  }
}

// The computer's score stays out of the table: its game over shows the table and goes back to
// its menu as a score too low for it does, and nothing is saved.
TEST_F(GameOver, TheComputersScoreStaysOutOfTheTable)
{
  control_bindings[1].device = DEVICE_COMPUTER_HARD;
  game_over(1, 99999);
  frames(200);
  EXPECT_EQ(player_slots[1].state, STATE_JOIN_MENU);
  EXPECT_EQ(player_slots[1].timer, 30);
  EXPECT_EQ(high_scores[0].score, 10000);
  EXPECT_EQ(name_entry_owner, 0);
  EXPECT_EQ(file_bytes("korvanta.hgh"), "") << "nothing saved";
}

// The name entry's hint names what saves the name: the player's key, since the entry reads no
// mouse, or his pad's button.
TEST_F(GameOver, TheHintNamesTheKeyThatSavesTheName)
{
  control_bindings[1].keys[ACTION_DRAG_BLOCK] = KEY_ENTER;
  EXPECT_STREQ(name_entry_save_input(1), "Enter");
  control_bindings[0].device = DEVICE_MOUSE1;
  EXPECT_STREQ(name_entry_save_input(0), "1");
  control_bindings[0].device = DEVICE_GAMEPAD1;
  EXPECT_STREQ(name_entry_save_input(0), "A");
  reset_control_bindings();
}

// The table's lines lie on ground dimmed under them, in their own half only: over a board of
// copper (here one colour) they stand on one dark shade with copper nowhere near a letter.
// The board's fills leave a drawing mode set, here a faint translucency that must not show.
TEST_F(GameOver, TheTableLinesStandOnDimmedGroundInTheirOwnHalf)
{
  const int copper = makecol(200, 120, 60);
  clear_to_color(back_buffer, copper);
  set_trans_blender(0, 0, 0, 40);
  drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
  current_player = 1;
  draw_high_scores();
  solid_mode();

  auto dark = [](int colour) { return getr(colour) + getg(colour) + getb(colour) < 190; };
  int dimmed = -1, letters = 0;
  for (int y = 0; y < SCREEN_HEIGHT; y++)
    for (int x = 0; x < SCREEN_WIDTH; x++) {
      const int colour = getpixel(back_buffer, x, y);
      if (colour == copper) continue;
      ASSERT_GE(x, PLAYER_X_STEP) << "the left half changed at " << x << "," << y;
      if (dimmed == -1 && dark(colour)) dimmed = colour;
      if (colour == dimmed) continue;
      ASSERT_FALSE(dark(colour)) << "uneven ground at " << x << "," << y;
      letters++;
      for (int i = 0; i < 25; i++)  // the 5 x 5 pixels around the letter's
        ASSERT_NE(getpixel(back_buffer, x + i % 5 - 2, y + i / 5 - 2), copper) << x << ',' << y;
    }
  EXPECT_GT(letters, 500) << "ten lines of the table";
}

}  // namespace
