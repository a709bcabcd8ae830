#include "scores/game_over.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "base/text.h"
#include "board/board.h"
#include "board/player_states.h"
#include "control/bindings.h"
#include "control/gamepad_layout.h"
#include "control/player_actions.h"
#include "scores/high_scores.h"
#include "state/game_state.h"

int name_entry_owner = 0;
int name_key_guard[2];

namespace {

constexpr int NO_TABLE_FRAMES = 200;   // the table is shown this long, then the join menu
constexpr int NAME_ENTRY_DELAY = 50;   // frames of the table before the name entry starts
constexpr int NAME_KEY_THRESHOLD = 3;
constexpr int FIRST_LETTER = 32, LAST_LETTER = 127;
constexpr int FLICKER_COLOURS = 5;

constexpr int PICTURE_X = 36, PICTURE_Y = 60, PICTURE_WIDTH = 162;
constexpr int GAME_OVER_HEIGHT = 56;          // the picture alone
constexpr int ENTRY_HEAD_HEIGHT = 103;        // the picture with the name box under it
constexpr int ENTRY_FOOT_Y = 104, ENTRY_FOOT_HEIGHT = 42, ENTRY_FOOT_SCREEN_Y = 383;
// The hint's three lines stand on the foot's plate inside its bezel, in the small font of the
// name itself: the messages font's lines would not fit three high.
constexpr int HINT_X = 81, HINT_Y = ENTRY_FOOT_SCREEN_Y + 5, HINT_LINE_STEP = 11;
constexpr int HINT_WIDTH = 154;
constexpr int SCORE_X = 133, SCORE_Y = 103;
constexpr int NAME_X = 115, NAME_Y = 152, WAIT_Y = 150;
constexpr int TABLE_X = 30, TABLE_NAME_X = 54, TABLE_Y = 175, TABLE_ROW_STEP = 20;

int half_x() { return PLAYER_X_STEP * current_player; }

// Lamps that are not charging flicker in random colours over the dead board.
void flicker_lamps()
{
  for (RowLamp &lamp : row_lamps[current_player])
    if (lamp.glow == 0) {
      lamp.state = LAMP_POWERED;
      lamp.colour = rand() % FLICKER_COLOURS;
    }
}

void show_table_then_leave(PlayerSlot &slot)
{
  masked_blit(item_bitmap(ITEM_GAME_OVER), back_buffer, 0, 0, half_x() + PICTURE_X, PICTURE_Y,
              PICTURE_WIDTH, GAME_OVER_HEIGHT);
  if (slot.timer < NO_TABLE_FRAMES) slot.timer++;
  if (slot.timer == NO_TABLE_FRAMES) return_to_join_menu(current_player, AFTER_GAME_OVER);
}

// Up and down change the letter under the cursor, left and right move it, the drag key saves.
void draw_name_entry_hint(int x)
{
  // A long key name leaves out the word "name".
  char save[48];
  snprintf(save, sizeof save, "%s: save name", name_entry_save_input(current_player));
  if (text_length(font, save) > HINT_WIDTH)
    snprintf(save, sizeof save, "%s: save", name_entry_save_input(current_player));
  // Each line over a dark copy of itself, so that it reads over the plate's traces.
  const char *const lines[] = {"up/down: letter", "left/right: move", save};
  const int centre_x = x + PICTURE_X + HINT_X;
  for (int line = 0; line < 3; line++) {
    const int y = HINT_Y + HINT_LINE_STEP * line;
    textout_centre_ex(back_buffer, font, lines[line], centre_x + 1, y + 1, makecol(5, 14, 12), -1);
    textout_centre_ex(back_buffer, font, lines[line], centre_x, y, makecol(230, 236, 238), -1);
  }
}

// The name entry belongs to one player at a time; the other waits, and only inserts his row
// once the first has confirmed, into the table as the first left it.
void enter_table(PlayerSlot &slot)
{
  BITMAP *picture = item_bitmap(ITEM_GAME_OVER);
  const int x = half_x();
  masked_blit(picture, back_buffer, 0, 0, x + PICTURE_X, PICTURE_Y, PICTURE_WIDTH, ENTRY_HEAD_HEIGHT);
  masked_blit(picture, back_buffer, 0, ENTRY_FOOT_Y, x + PICTURE_X, ENTRY_FOOT_SCREEN_Y,
              PICTURE_WIDTH, ENTRY_FOOT_HEIGHT);
  draw_name_entry_hint(x);

  const int owner = current_player + 1;
  if (name_entry_owner == 0) {
    insert_high_score();
    name_entry_owner = owner;
  }
  if (name_entry_owner != owner) {
    textout_centre_ex(back_buffer, font, "please wait!", x + NAME_X, WAIT_Y, makecol(200, 200, 50), -1);
    return;
  }
  // In the name-entry state the timer stays at the delay, so every frame runs the entry.
  if (slot.timer < NAME_ENTRY_DELAY) slot.timer++;
  if (slot.timer == NAME_ENTRY_DELAY) {
    platform.clear_keybuf();
    begin_name_entry(current_player);
    run_name_entry();
  }
}

int next_letter(int letter, int step)
{
  letter += step;
  if (letter > LAST_LETTER) return FIRST_LETTER;
  if (letter < FIRST_LETTER) return LAST_LETTER;
  return letter;
}

void confirm_name(PlayerSlot &slot)
{
  memcpy(high_scores[slot.table_rank - 1].name, slot.name, NAME_LENGTH);
  name_entry_owner = 0;
  return_to_join_menu(current_player, AFTER_NAME_ENTRY);
  slot.table_rank = 0;
  clear_phase[current_player] = CLEAR_NONE;
  save_high_scores();
}

// Each held key acts on its own, in this order, once the guard has passed.
void handle_name_keys(PlayerSlot &slot)
{
  const int player = current_player;
  int &letter = slot.name_letters[slot.name_cursor];
  if (person_asks(player, ACTION_MOVE_UP)) {
    letter = next_letter(letter, 1);
    name_key_guard[player] = 0;
  }
  if (person_asks(player, ACTION_MOVE_DOWN)) {
    letter = next_letter(letter, -1);
    name_key_guard[player] = 0;
  }
  if (person_asks(player, ACTION_MOVE_LEFT) && slot.name_cursor != 0) {
    slot.name_cursor--;
    name_key_guard[player] = 0;
  }
  if (person_asks(player, ACTION_MOVE_RIGHT) && slot.name_cursor != NAME_LENGTH - 1) {
    slot.name_cursor++;
    name_key_guard[player] = 0;
  }
  if (person_asks(player, ACTION_DRAG_BLOCK)) confirm_name(slot);
}

}  // namespace

void run_game_over()
{
  PlayerSlot &slot = player_slots[current_player];
  flicker_lamps();
  print_left(back_buffer, font_numbers, half_x() + SCORE_X, SCORE_Y, makecol(10, 250, 50), "%d",
             slot.score);
  // The computer's scores stay out of the table: its game over goes back to its menu.
  if (slot.score < high_scores[HIGH_SCORE_ROWS - 1].score || is_computer(current_player))
    show_table_then_leave(slot);
  else enter_table(slot);
}

void run_name_entry()
{
  PlayerSlot &slot = player_slots[current_player];
  HighScoreEntry &row = high_scores[slot.table_rank - 1];
  row.score = slot.score;
  row.level = slot.level;

  if (++name_key_guard[current_player] > NAME_KEY_THRESHOLD) handle_name_keys(slot);

  // The name changes only where the cursor has been; the other places keep what they had.
  slot.name[slot.name_cursor] = static_cast<char>(slot.name_letters[slot.name_cursor]);
  textout_centre_ex(back_buffer, font, slot.name, half_x() + NAME_X, NAME_Y, -1, -1);
}

namespace {

// The table lies over the dead board, whose copper and steel drown its yellow until the tiles
// have burnt away: the ground under its lines is dimmed first, so that the tiles still show
// through but the lines stand out. The frame is composed at 16 bits, and the dimming reads
// and writes its pixels straight, whatever drawing mode the board's fills left set.
void dim_table_ground(int x)
{
  // The board's rows 5 to 11, across its width, hold the table with a few pixels to spare;
  // the light that still shows is out of 256.
  constexpr int TOP = BOARD_TOP + TILE_SIZE * 5, BOTTOM = BOARD_TOP + TILE_SIZE * 12 - 1;
  constexpr int LIGHT = 80;
  static_assert(TOP < TABLE_Y && BOTTOM >= TABLE_Y + TABLE_ROW_STEP * HIGH_SCORE_ROWS,
                "the table's rows lie on the dimmed ground");
  for (int y = TOP; y <= BOTTOM; y++)
    for (int px = x + BOARD_LEFT; px < x + BOARD_LEFT + TILE_SIZE * BOARD_COLUMNS; px++) {
      const int colour = _getpixel16(back_buffer, px, y);
      _putpixel16(back_buffer, px, y,
                  makecol16(getr16(colour) * LIGHT / 256, getg16(colour) * LIGHT / 256,
                            getb16(colour) * LIGHT / 256));
    }
}

}  // namespace

void draw_high_scores()
{
  const int x = half_x();
  dim_table_ground(x);
  const int own_row = player_slots[current_player].table_rank - 1;
  for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
    const HighScoreEntry &row = high_scores[i];
    const int colour = i == own_row ? makecol(10, 250, 50) : makecol(200, 200, 10);
    const int y = TABLE_Y + TABLE_ROW_STEP * i;
    print_left(back_buffer, font_numbers, x + TABLE_X, y, colour, "%2d    %6d  %2d", i + 1, row.score,
               row.level);
    print_left(back_buffer, font_messages, x + TABLE_NAME_X, y, colour, " %s", row.name);
  }
}

const char *name_entry_save_input(int player)
{
  if (gamepad_slot(player) >= 0) return pad_action_label(ACTION_DRAG_BLOCK);
  return friendly_key_name(control_bindings[player].keys[ACTION_DRAG_BLOCK]);
}
