// The computer's planning on boards drawn as text, and its play through the input step: it
// finds the turn that joins a row to its lamp, drags a tile into the gap a path needs, prefers
// the move that lights more lamps, waits while there is nothing it may do, and ignores the
// keys of the player it plays.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/resources.h"
#include "board/board.h"
#include "board/power.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "control/input.h"
#include "control/player_actions.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Computer : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    reset_computer_players(1);
    control_bindings[0].device = DEVICE_COMPUTER_HARD;
    falling_blocks[0].column = 5;  // the falling block out of the way, in the preview row
  }

  static Plan best_move()
  {
    Plan plans[4];
    return rank_moves(0, BOARD_ROWS, plans, 4) > 0 ? plans[0] : Plan{};
  }

  // The best move is of this sort, at this cell.
  static Plan expect_best(PlanMove move, int column, int row)
  {
    const Plan plan = best_move();
    EXPECT_EQ(plan.move, move);
    EXPECT_EQ(plan.column * 100 + plan.row, column * 100 + row);
    return plan;
  }

  // Frames of gravity, the computer and the input, as the main loop runs them (no blocks
  // fall), until a lamp lights.
  static int frames_until_lit(int limit)
  {
    current_player = 0;
    for (int frame = 1; frame <= limit; frame++) {
      gravity_step();
      think_for_computer(0);
      handle_player_input();
      for (const RowLamp &lamp : row_lamps[0])
        if (lamp.state == LAMP_POWERED) return frame;
    }
    return -1;
  }

  static int lit_lamps()
  {
    update_power(false);
    int lit = 0;
    for (const RowLamp &lamp : row_lamps[0]) lit += lamp.state == LAMP_POWERED;
    return lit;
  }
};

TEST_F(Computer, FindsTheOneTurnThatJoinsARowToItsLampAndMakesItThroughTheInput)
{
  lay_row(0, 13, "---|--");
  lay_row(0, 12, "7JLr[]");
  EXPECT_EQ(expect_best(PLAN_TURN, 3, 13).kind_after, 1) << "the horizontal straight";

  EXPECT_GT(frames_until_lit(60), 0);
  EXPECT_EQ(board[0][3][13].kind, 1);
  EXPECT_EQ(player_slots[0].cursor_column * 100 + player_slots[0].cursor_row, 313)
      << "it walked the cursor there";
  EXPECT_EQ(sounds_played(ITEM_SOUND_CLICK), 1) << "one turn, with the input's sound";
}

TEST_F(Computer, DragsATileIntoTheGapAPathNeeds)
{
  lay_row(0, 13, "-- ---");
  lay_row(0, 12, " -    ");
  EXPECT_EQ(expect_best(PLAN_DRAG, 1, 12).direction, +1);

  EXPECT_GT(frames_until_lit(80), 0) << "the dragged tile sinks into the gap";
  EXPECT_EQ(sounds_played(ITEM_SOUND_DRAG), 1);
}

TEST_F(Computer, PrefersTheMoveThatLightsMoreLamps)
{
  lay_row(0, 9, "|-----");
  lay_row(0, 12, "}-----");
  lay_row(0, 13, "L-----");
  ASSERT_EQ(lit_lamps(), 0);
  const Plan plan = best_move();
  ASSERT_EQ(plan.move, PLAN_TURN);
  board[0][plan.column][plan.row].kind = plan.kind_after;
  EXPECT_EQ(lit_lamps(), 2) << "the tee that powers two rows, not the straight that powers one";
}

TEST_F(Computer, AsksForNothingDuringTheCountInOrWhileItsBoardClears)
{
  lay_row(0, 13, "---|--");
  current_player = 0;
  for (const int state : {STATE_LEVEL_START, STATE_PAUSED, STATE_PLAYING}) {
    for (const int phase : {CLEAR_ARMED, CLEAR_RUNNING, CLEAR_NONE}) {
      player_slots[0].state = state;
      clear_phase[0] = phase;
      think_for_computer(0);
      bool any = false;
      for (const bool held : computer_wishes[0].held) any = any || held;
      EXPECT_EQ(any, state == STATE_PLAYING && phase == CLEAR_NONE) << state << " " << phase;
      EXPECT_FALSE(computer_wishes[0].held[ACTION_PAUSE]) << "it never pauses";
    }
  }
}

TEST_F(Computer, IgnoresTheKeysOfThePlayerItPlays)
{
  current_player = 0;
  for (const PlayerAction action : {ACTION_MOVE_LEFT, ACTION_MOVE_UP, ACTION_PAUSE}) {
    key[control_bindings[0].keys[action]] = 1;
    input_delay[0] = 5;
    think_for_computer(0);
    handle_player_input();
    key[control_bindings[0].keys[action]] = 0;
  }
  EXPECT_EQ(player_slots[0].cursor_column * 100 + player_slots[0].cursor_row, 310);
  EXPECT_EQ(player_slots[0].state, STATE_PLAYING);
}

// The computer's choices come from dice of its own: a game's random numbers (its blocks, its
// sparks, its lamps' flicker) are drawn as they would be with a person in its place.
TEST_F(Computer, NeverDrawsFromTheGamesRandomNumbers)
{
  lay_row(0, 13, "-|-|-|");
  lay_row(0, 12, "|-|-|-");
  reset_computer_players(3);
  control_bindings[0].device = DEVICE_COMPUTER_NORMAL;  // the strength that rolls for mistakes
  srand(99);
  const int expected = rand();
  srand(99);
  current_player = 0;
  for (int frame = 0; frame < 300; frame++) {
    board[0][frame % BOARD_COLUMNS][12].kind = 1 + frame % 2;  // a board that keeps changing
    think_for_computer(0);
    handle_player_input();
  }
  EXPECT_EQ(rand(), expected);
}

}  // namespace
