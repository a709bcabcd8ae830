// In-game input stepped call by call: the repeat delay, moves, drags and the rules that refuse
// them, turns, the pointer's moves and the three mouse layouts.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/resources.h"
#include "board/board.h"
#include "control/bindings.h"
#include "control/input.h"
#include "shell/join_menu.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

class Input : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
  }

  // The pointer's place over the starting cursor's cell, column 3 of row 10.
  static constexpr int ANCHOR_X = 3 * 30 + 18, ANCHOR_Y = 10 * 30 + 13;

  static PlayerSlot &slot() { return player_slots[current_player]; }
  static int cursor() { return slot().cursor_column * 100 + slot().cursor_row; }
  static void hold(PlayerAction action, bool down) { key[control_bindings[current_player].keys[action]] = down; }

  // One call, ready to act, with these of the player's keys held.
  static void act(std::initializer_list<PlayerAction> held)
  {
    input_delay[current_player] = 5;
    for (PlayerAction action : held) hold(action, true);
    handle_player_input();
    for (PlayerAction action : held) hold(action, false);
  }
};

TEST_F(Input, HeldKeysRepeatEverySixCallsStopAtTheEdgesAndTurnTiles)
{
  current_player = 1;
  std::vector<int> columns;
  for (int call = 0; call < 19; call++) {
    key[KEY_RIGHT] = 1;
    handle_player_input();
    columns.push_back(slot().cursor_column);
  }
  EXPECT_EQ(columns, std::vector<int>({3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5}));
  key[KEY_RIGHT] = 0;

  BoardCell &cell = board[1][5][10];
  cell.kind = 3;
  act({ACTION_TURN_RIGHT});
  EXPECT_EQ(cell.kind, 4);
  act({ACTION_TURN_LEFT, ACTION_TURN_RIGHT});
  EXPECT_EQ(cell.kind, 4) << "left then right in one call";
  clear_phase[1] = CLEAR_RUNNING;
  act({ACTION_TURN_RIGHT});
  EXPECT_EQ(cell.kind, 4) << "no turn while a clear runs";
}

TEST_F(Input, DragsMoveTheTileAndItsProtectionRefusedDragsOnlyMoveTheCursor)
{
  BoardCell &from = board[0][3][10];
  from.kind = 7;
  from.is_protected = 1;
  act({ACTION_DRAG_BLOCK, ACTION_MOVE_LEFT});
  EXPECT_EQ(board[0][2][10].kind, 7);
  EXPECT_EQ(board[0][2][10].is_protected, 1);
  EXPECT_EQ(from.kind, TILE_EMPTY);

  auto refused = [](const char *why, void (*arrange)()) {
    reset_game_state();
    board[0][3][10].kind = 7;
    arrange();
    const int kind = board[0][3][10].kind, target = board[0][2][10].kind;
    act({ACTION_DRAG_BLOCK, ACTION_MOVE_LEFT});
    EXPECT_EQ(board[0][3][10].kind * 100 + board[0][2][10].kind, kind * 100 + target) << why;
    EXPECT_EQ(player_slots[0].cursor_column, 2) << why;
  };
  refused("target taken", [] { board[0][2][10].kind = 1; });
  refused("tile sinking", [] { board[0][3][10].y_offset = 2; });
  refused("column above the target sinking", [] { board[0][2][9].y_offset = 17; });
  refused("the falling block's cell", [] { falling_blocks[0].column = 2, falling_blocks[0].row = 10; });
  refused("just below it", [] { falling_blocks[0].column = 2, falling_blocks[0].row = 9; });
  refused("a clear is armed", [] { clear_phase[0] = CLEAR_ARMED; });
  EXPECT_EQ(sounds_played(ITEM_SOUND_DRAG), 1);
}

// Past its dead zones the pointer asks for a move and is pulled back over the new cell; a move
// it asks for while the game is paused is kept, and made with the toggle that resumes it.
TEST_F(Input, ThePointerAsksForMovesPastItsDeadZonesAndKeepsOneAskedForWhilePaused)
{
  control_bindings[0].device = DEVICE_MOUSE1;
  mouse_x = ANCHOR_X + 2, mouse_y = ANCHOR_Y - 1;
  act({});
  EXPECT_EQ(cursor(), 310) << "inside the dead zones";
  mouse_x = ANCHOR_X + 3, mouse_y = ANCHOR_Y - 2;
  act({});
  EXPECT_EQ(cursor(), 409);
  const int x = ANCHOR_X + 30, y = ANCHOR_Y - 30;
  EXPECT_EQ(mouse_x * 1000 + mouse_y, x * 1000 + y);

  act({ACTION_PAUSE});
  ASSERT_EQ(slot().state, STATE_PAUSED);
  mouse_x = x + 10;
  act({});
  EXPECT_EQ(cursor(), 409) << "nothing moves while paused";
  mouse_x = x, mouse_y = y;  // back on the anchor: this call asks for nothing new
  act({ACTION_PAUSE});
  EXPECT_EQ(slot().state, STATE_PLAYING);
  EXPECT_EQ(cursor(), 509);
  EXPECT_EQ(mouse_move_request[0][REQUEST_RIGHT], 0);
}

TEST_F(Input, Mouse2AndMouse3TurnOppositeWaysOnTheSameRollMouse1WithTheRightButton)
{
  struct Case { int device, wheel, buttons, expected; };
  for (const Case &test : {Case{DEVICE_MOUSE2, +1, 0, 4}, Case{DEVICE_MOUSE3, +1, 0, 6},
                           Case{DEVICE_MOUSE2, -1, 0, 6}, Case{DEVICE_MOUSE3, -1, 0, 4},
                           Case{DEVICE_MOUSE1, +1, 0, 3}, Case{DEVICE_MOUSE1, 0, 2, 6}}) {
    reset_game_state();
    control_bindings[0].device = test.device;
    board[0][3][10].kind = 3;
    mouse_x = ANCHOR_X, mouse_y = ANCHOR_Y;
    mouse_z = test.wheel;
    mouse_b = test.buttons;
    act({});
    EXPECT_EQ(board[0][3][10].kind, test.expected) << test.device << " " << test.wheel;
  }
}

// The game places the pointer only for a mouse player: a keyboard player's pointer stays where
// he left it from his menu through a new game, moves, turns and a pause.
TEST_F(Input, AKeyboardPlayersPointerIsLeftAloneFromHisMenuThroughPlay)
{
  for (const int device : {DEVICE_KEYBOARD, DEVICE_MOUSE2}) {
    reset_game_state();
    current_player = 1;
    control_bindings[1].device = device;
    player_slots[1].state = STATE_JOIN_MENU;
    menu_selection[1] = menu_key_guard[1] = refusal_timer[1] = 0;
    mouse_x = mouse_y = 7;

    for (int frame = 0; frame < 20; frame++) run_join_menu(1);
    hold(ACTION_DRAG_BLOCK, true);
    run_join_menu(1);
    hold(ACTION_DRAG_BLOCK, false);
    ASSERT_EQ(slot().state, STATE_LEVEL_START);
    slot().state = STATE_PLAYING;
    board[1][3][10].kind = 3;
    for (PlayerAction action : {ACTION_MOVE_UP, ACTION_MOVE_DOWN, ACTION_TURN_LEFT, ACTION_MOVE_LEFT,
                                ACTION_PAUSE, ACTION_PAUSE, ACTION_MOVE_RIGHT})
      act({action});

    const bool moved = mouse_x != 7 || mouse_y != 7;
    EXPECT_EQ(moved, device != DEVICE_KEYBOARD) << "device " << device;
  }
}

}  // namespace
