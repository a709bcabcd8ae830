#include "control/input.h"

#include <allegro.h>

#include "base/platform.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/player_states.h"
#include "board/power.h"
#include "control/bindings.h"
#include "control/lost_pads.h"
#include "control/player_actions.h"
#include "state/game_state.h"

int input_delay[2];
unsigned char mouse_move_request[2][4];
int last_wheel_position;

namespace {

constexpr int REPEAT_CALLS = 5;          // an action waits for more calls than this
constexpr int PAUSES_TO_LEAVE = 6;       // toggles in a row that end the player's game
constexpr int MOUSE_SPEED = 3;
constexpr int ANCHOR_DX = 18, ANCHOR_DY = 13;
constexpr int DEAD_ZONE_X = 2, DEAD_ZONE_Y = 1;
constexpr int NEW_GAME_POINTER_X = 108, NEW_GAME_POINTER_Y = 313;
constexpr int FIRST_ROW = 1, LAST_ROW = PLAYING_ROWS, LAST_COLUMN = BOARD_COLUMNS - 1;

constexpr int DRAG_VOLUME = 255, DRAG_FREQUENCY = 1000;
constexpr int TURN_VOLUME = 200, TURN_FREQUENCY = 400;

// The pointer rests on the cursor cell's anchor between moves.
int anchor_x(int player, int column) { return PLAYER_X_STEP * player + TILE_SIZE * column + ANCHOR_DX; }
int anchor_y(int row) { return TILE_SIZE * row + ANCHOR_DY; }

// Pointer travel past a small dead zone asks for a move and jumps the pointer on to the next
// cell's anchor, so that a steady push keeps asking. Each test sees the pointer where the
// previous one left it.
void read_pointer_moves(int player)
{
  const PlayerSlot &slot = player_slots[player];
  unsigned char *request = mouse_move_request[player];
  const int x0 = PLAYER_X_STEP * player;
  platform.set_mouse_speed(MOUSE_SPEED, MOUSE_SPEED);
  platform.set_mouse_range(x0 + anchor_x(0, 0), anchor_y(FIRST_ROW), x0 + anchor_x(0, LAST_COLUMN),
                           anchor_y(LAST_ROW) + 32);

  const int ax = anchor_x(player, slot.cursor_column), ay = anchor_y(slot.cursor_row);
  if (slot.cursor_row == LAST_ROW) request[REQUEST_DOWN] = 0;
  if (platform.pointer_x() < ax - DEAD_ZONE_X) {
    platform.position_mouse(ax - TILE_SIZE, platform.pointer_y());
    request[REQUEST_LEFT] = 1;
  }
  if (platform.pointer_x() > ax + DEAD_ZONE_X) {
    platform.position_mouse(ax + TILE_SIZE, platform.pointer_y());
    request[REQUEST_RIGHT] = 1;
  }
  if (platform.pointer_y() < ay - DEAD_ZONE_Y && slot.cursor_row > FIRST_ROW) {
    platform.position_mouse(platform.pointer_x(), ay - TILE_SIZE);
    request[REQUEST_UP] = 1;
  }
  if (platform.pointer_y() > ay + DEAD_ZONE_Y && slot.cursor_row < LAST_ROW) {
    platform.position_mouse(platform.pointer_x(), ay + TILE_SIZE);
    request[REQUEST_DOWN] = 1;
  }
}

// The mouse's buttons and wheel feed the same actions as keys: the left button drags; the
// wheel turns on mouse2 and mouse3, the opposite ways; mouse1 turns left with the right
// button. The wheel is followed on every layout, so that a change of layout turns nothing.
void add_mouse_gestures(int player, ActionSet &actions)
{
  bool *held = actions.held;
  const int device = control_bindings[player].device;
  if (mouse_z > last_wheel_position) {
    if (device == DEVICE_MOUSE3) held[ACTION_TURN_LEFT] = true;
    if (device == DEVICE_MOUSE2) held[ACTION_TURN_RIGHT] = true;
    last_wheel_position = mouse_z;
  }
  if (mouse_z < last_wheel_position) {
    if (device == DEVICE_MOUSE3) held[ACTION_TURN_RIGHT] = true;
    if (device == DEVICE_MOUSE2) held[ACTION_TURN_LEFT] = true;
    last_wheel_position = mouse_z;
  }
  if (mouse_b & 1) held[ACTION_DRAG_BLOCK] = true;
  if (device == DEVICE_MOUSE1 && (mouse_b & 2)) held[ACTION_TURN_LEFT] = true;
}

// Six toggles in a row with nothing else done between leave the game for the join menu. A
// game that waits for its lost pad stays paused, but the toggles still count.
void toggle_pause(int player)
{
  const PlayerSlot &slot = player_slots[player];
  pause_run[player]++;
  if (pause_run[player] == PAUSES_TO_LEAVE) return_to_join_menu(player, AFTER_SIX_PAUSES);
  if (slot.state == STATE_PAUSED) {
    if (may_resume(player)) resume_game(player);
  }
  else if (slot.state == STATE_PLAYING) pause_game(player);
  input_delay[player] = 0;
}

// The moves below act on the current player's board, whose power they update.

// Dragging is held, no clear is on its way, and the board's drag rule lets the tile go.
bool may_drag_to(int target_column, const ActionSet &actions)
{
  const int player = current_player;
  const PlayerSlot &slot = player_slots[player];
  if (clear_phase[player] != CLEAR_NONE || !actions.held[ACTION_DRAG_BLOCK]) return false;
  return may_slide_tile(player, slot.cursor_column, slot.cursor_row, target_column);
}

void drag_to(int target_column)
{
  const int player = current_player;
  const PlayerSlot &slot = player_slots[player];
  BoardCell &from = cell_at(slot.cursor_column, slot.cursor_row);
  BoardCell &to = cell_at(target_column, slot.cursor_row);
  platform.play_sample(ITEM_SOUND_DRAG, DRAG_VOLUME, player_pan(player), DRAG_FREQUENCY);
  to.kind = from.kind;
  to.is_protected = from.is_protected;
  from.kind = TILE_EMPTY;
  update_power(false);
}

// A sideways move, dragging the tile under the cursor along where it may go.
void move_sideways(int step, MoveRequest request, const ActionSet &actions)
{
  const int player = current_player;
  PlayerSlot &slot = player_slots[player];
  pause_run[player] = 0;
  const int target = slot.cursor_column + step;
  if (may_drag_to(target, actions)) drag_to(target);
  slot.cursor_column = target;
  input_delay[player] = 0;
  mouse_move_request[player][request] = 0;
}

// Blocks are never dragged up or down.
void move_vertically(int player, int step, MoveRequest request)
{
  pause_run[player] = 0;
  player_slots[player].cursor_row += step;
  input_delay[player] = 0;
  mouse_move_request[player][request] = 0;
}

void turn(const int table[])
{
  const int player = current_player;
  const PlayerSlot &slot = player_slots[player];
  BoardCell &cell = cell_at(slot.cursor_column, slot.cursor_row);
  pause_run[player] = 0;
  platform.play_sample(ITEM_SOUND_CLICK, TURN_VOLUME, player_pan(player), TURN_FREQUENCY);
  cell.kind = table[cell.kind];
  update_power(false);
  input_delay[player] = 0;
}

// Several actions may fire in one call: the delay is tested once, before all of them.
// Returns false when the game is paused, which ends the call at once.
bool run_actions(const ActionSet &actions)
{
  const int player = current_player;
  const PlayerSlot &slot = player_slots[player];
  const unsigned char *request = mouse_move_request[player];
  const bool *held = actions.held;
  if (held[ACTION_PAUSE]) toggle_pause(player);
  if (slot.state == STATE_PAUSED) return false;

  if ((held[ACTION_MOVE_RIGHT] || request[REQUEST_RIGHT]) && slot.cursor_column < LAST_COLUMN)
    move_sideways(+1, REQUEST_RIGHT, actions);
  if ((held[ACTION_MOVE_LEFT] || request[REQUEST_LEFT]) && slot.cursor_column > 0)
    move_sideways(-1, REQUEST_LEFT, actions);
  if ((request[REQUEST_UP] || held[ACTION_MOVE_UP]) && slot.cursor_row > FIRST_ROW)
    move_vertically(player, -1, REQUEST_UP);
  if ((request[REQUEST_DOWN] || held[ACTION_MOVE_DOWN]) && slot.cursor_row < LAST_ROW)
    move_vertically(player, +1, REQUEST_DOWN);

  if (clear_phase[player] != CLEAR_NONE) return true;
  if (cell_at(slot.cursor_column, slot.cursor_row).kind == TILE_EMPTY) return true;
  if (held[ACTION_TURN_LEFT]) turn(turn_left_table);
  if (held[ACTION_TURN_RIGHT]) turn(turn_right_table);
  return true;
}

}  // namespace

void handle_player_input()
{
  const int player = current_player;
  input_delay[player]++;
  const bool ready = input_delay[player] > REPEAT_CALLS;

  ActionSet actions = requested_actions(player);
  if (ready && uses_mouse(player)) {
    read_pointer_moves(player);
    add_mouse_gestures(player, actions);
  }
  if (ready && !run_actions(actions)) return;

  // Only the key array drives play; and pointer travel between actions is discarded.
  platform.clear_keybuf();
  const PlayerSlot &slot = player_slots[player];
  if (uses_mouse(player))
    platform.position_mouse(anchor_x(player, slot.cursor_column), anchor_y(slot.cursor_row));
}

void place_pointer_for_new_game(int player)
{
  if (uses_mouse(player)) platform.position_mouse(PLAYER_X_STEP * player + NEW_GAME_POINTER_X, NEW_GAME_POINTER_Y);
}
