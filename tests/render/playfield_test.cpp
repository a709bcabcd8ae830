// The playfield on a board laid by hand: sprites and overlays are plain markers, the background
// transparent, so a pixel says what was drawn; strip, digits, patterns and cursor are real.
#include <allegro.h>
#include <allegro/internal/aintern.h>
#include <gtest/gtest.h>
#include <vector>

#include "board/board.h"
#include "board/power.h"
#include "render/playfield.h"
#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

static int marker(int set, int kind) { return makecol(8 * kind, 20 + 60 * set, 96); }
static int warning() { return makecol(248, 248, 0); }
static int danger() { return makecol(248, 0, 0); }
static int mask() { return makecol(255, 0, 255); }

class PlayfieldTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    // Powered sprites carry a conductor band across the middle, through seeds (2, 15) and (28, 15).
    for (int set = 0; set < TILE_SET_COUNT; set++)
      for (int kind = 1; kind <= TILE_KIND_COUNT; kind++) {
        clear_to_color(tile_sprites[set][kind], marker(set, kind));
        if (set % 2) rectfill(tile_sprites[set][kind], 1, 12, 28, 17, makecol(0, 252, 0));
      }
    clear_to_color(cell_overlay_sprites[0], warning());
    clear_to_color(cell_overlay_sprites[1], danger());
    clear_to_color(background_buffer, mask());
    for (BITMAP *panel : level_panels) clear_to_color(panel, mask());
    reset_game_state();
    board_draw_count[0] = board_draw_count[1] = 0;
    power_pattern_phase = 0.0f;
    warning_alpha = 220;
    warning_alpha_step = 1;
  }

  void TearDown() override
  {
    clear_to_color(background_buffer, 0);
    prepare_play_screen();
  }

  static BoardCell &put(int column, int row, int kind, int power = POWER_DEAD)
  {
    BoardCell &cell = board[current_player][column][row];
    cell.kind = kind;
    cell.power = power;
    return cell;
  }

  static void draw(int drawings = 1) { while (drawings-- > 0) draw_playfield(); }
  static int at(int column, int row, int dx, int dy)
  {
    const BoardCell &cell = board[current_player][column][row];
    return getpixel(back_buffer, cell.x + dx, cell.y + dy);
  }

  // Whether target's w x h at (x, y) copies the item's at (sx, 0), or is transparent if sx is -1.
  static bool copies(BITMAP *target, int x, int y, ResourceItem item, int sx, int w, int h)
  {
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++)
        if (getpixel(target, x + i, y + j) != (sx < 0 ? mask() : getpixel(item_bitmap(item), sx + i, j)))
          return false;
    return true;
  }
};

TEST_F(PlayfieldTest, CountInShowsThePanelThenCountsTheQuotaDownWithTicksAndStartsPlay)
{
  // Level 3 on the right: by three while more than 50 remain, then by one, a tick each time.
  current_player = 1;
  PlayerSlot &slot = player_slots[1];
  slot.state = STATE_LEVEL_START;
  slot.level = 3;
  auto slot_holds = [](int index, int digit) {  // digit -1: the slot is empty
    return copies(level_panels[1], 19 * index, 107, ITEM_DIGITS, digit < 0 ? -1 : 18 * digit, 18, 20);
  };
  std::vector<int> counted, expected;
  for (int value = 3; value <= 90; value += value < 42 ? 3 : 1) expected.push_back(value);
  for (draw(52); slot.state == STATE_LEVEL_START && counted.size() < 100; draw()) {  // after the fade-in
    const int left = 90 - slot.blocks_to_clear;  // the tens slot empties below 10
    counted.push_back(slot.blocks_to_clear);
    ASSERT_EQ(sounds_played(ITEM_SOUND_CLICK), int(counted.size()));
    ASSERT_TRUE(slot_holds(0, -1) && slot_holds(1, left >= 10 ? left / 10 : -1) && slot_holds(2, left % 10))
        << left;
  }
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(slot.state, STATE_PLAYING);
  EXPECT_EQ(slot.fade_alpha, 250) << "the fade-out starts in the call that begins play";
}

// The preview is dimmed but in the next drop's column, and joins a level end's fade below its alpha.
TEST_F(PlayfieldTest, RestingTilesShowTheirPowerMovingOnesAreDarkAndThePreviewIsDimmed)
{
  power_pattern_phase = 7.5f;  // the fills use 7
  put(0, 13, 1, POWER_FROM_LEFT);
  put(1, 12, 1, POWER_CONNECTED).y_offset = 17;
  put(2, 13, 1, POWER_CONNECTED);
  clear_phase[0] = CLEAR_ARMED;  // the lamps have fired: the path is about to clear
  put(4, 13, 3, POWER_FROM_RIGHT).is_protected = 1;
  for (int column = 0; column < BOARD_COLUMNS; column++) put(column, 0, column + 1);
  falling_blocks[0].next_column = 4;
  auto expect_preview = [](int dimmed, int next_alpha) {
    BITMAP *pixel = create_bitmap(1, 1);
    for (int column = 0; column < BOARD_COLUMNS; column++) {
      clear_to_color(pixel, mask());
      set_trans_blender(0, 0, 0, column == 4 ? next_alpha : dimmed);
      draw_trans_sprite(pixel, tile_sprites[0][column + 1], 0, 0);
      EXPECT_EQ(at(column, 0, 15, 15), getpixel(pixel, 0, 0)) << "column " << column;
    }
    destroy_bitmap(pixel);
  };
  draw();
  expect_preview(85, 255);
  EXPECT_EQ(at(1, 12, 15, 17 + 29), marker(0, 1)) << "a sinking tile is dark";
  EXPECT_EQ(_drawing_mode, DRAW_MODE_SOLID);
  // Patterns from the left and for clearing tile from (7, 7), from the lamps from (-7, -7); y 424.
  BITMAP *left = item_bitmap(ITEM_PATTERN_FROM_LEFT), *right = item_bitmap(ITEM_PATTERN_FROM_RIGHT);
  for (int dx = 1; dx < 29; dx++) {
    ASSERT_EQ(at(0, 13, dx, 14), getpixel(left, (25 + dx - 7) & 15, (424 - 7) & 15)) << dx;
    ASSERT_EQ(at(2, 13, dx, 14),
              getpixel(item_bitmap(ITEM_PATTERN_ARMED), (85 + dx - 7) & 15, (424 - 7) & 15)) << dx;
    ASSERT_EQ(at(4, 13, dx, 14), getpixel(right, (145 + dx + 7) & 15, (424 + 7) & 15)) << dx;
  }

  player_slots[0].state = STATE_LEVEL_COMPLETE;  // the board fades out in the dark look
  draw();
  EXPECT_EQ(at(0, 13, 2, 15), marker(0, 1));
  player_slots[0].fade_alpha = 100;
  draw();
  expect_preview(85, 155);
  player_slots[0].fade_alpha = 200;
  draw();
  expect_preview(55, 55);
}

// The overlays swing their alpha by two between 148 and 256: 256 in drawing 18, 148 in 72.
TEST_F(PlayfieldTest, HighColumnsGetOverlaysAtTheirCellsAndBeepUnlessPaused)
{
  for (int column : {3, 4, 5}) put(column, column, 5);
  draw(81);
  EXPECT_EQ(sounds_played(ITEM_SOUND_WARNING), 3) << "a warning beeps in drawings 1, 31 and 61";
  EXPECT_EQ(fake.sounds.back().frequency, 2000);
  EXPECT_EQ(warning_alpha, 148 + 2 * 9);
  EXPECT_FLOAT_EQ(power_pattern_phase, 0.5f * 81);

  warning_alpha = 255;  // opaque overlays
  put(0, 1, 5);  // danger left of the warnings: they do not lower it
  put(1, 2, 5).y_offset = 17;
  put(2, 2, 5).vanish_timer = 14;
  put(2, 13, 5);
  draw();
  EXPECT_EQ(at(1, 2, 15, 5), danger());
  EXPECT_EQ(at(1, 2, 15, 35), marker(0, 5)) << "the sinking tile below its cell has no overlay";
  EXPECT_TRUE(copies(back_buffer, 85, 80, ITEM_VANISH_STRIP, 0, 30, 30)) << "nor a vanishing one";
  EXPECT_EQ(at(2, 13, 15, 15), danger()) << "but it still tops its column";
  EXPECT_EQ(at(4, 4, 15, 15), warning());
  EXPECT_EQ(at(5, 5, 15, 15), marker(0, 5));
  draw(19);
  EXPECT_EQ(sounds_played(ITEM_SOUND_WARNING), 5) << "danger beeps in drawings 91 and 101";
  EXPECT_EQ(fake.sounds.back().frequency, 1000);
  player_slots[0].state = STATE_PAUSED;
  warning_alpha = 255;
  draw();
  EXPECT_EQ(at(3, 3, 15, 15), warning()) << "a paused game shows its overlays";
  draw(29);
  EXPECT_EQ(fake.sounds.size(), 5u) << "but keeps quiet";
}

TEST_F(PlayfieldTest, VanishRunsFrames0To7EmptiesTheCellThenTheClearEnds)
{
  put(0, 13, 7, POWER_CONNECTED).vanish_timer = 14 + 5;  // dark in 4 drawings first
  put(3, 13, 7).vanish_timer = 14;  // vanishing meanwhile, so the clear goes on
  clear_phase[0] = clear_phase[1] = CLEAR_RUNNING;
  for (int drawing = 1; drawing <= 18; drawing++) {
    SCOPED_TRACE(drawing);
    draw();
    ASSERT_EQ(clear_phase[0], CLEAR_RUNNING);
    ASSERT_EQ(board[0][0][13].kind, drawing < 18 ? 7 : TILE_EMPTY);
    const int frame = (drawing - 4) / 2;  // 0, 1, 1, 2, 2 .. 7 after four dark drawings
    ASSERT_TRUE(drawing <= 4 ? at(0, 13, 15, 15) == marker(0, 7)
                             : copies(back_buffer, 25, 410, ITEM_VANISH_STRIP, 30 * frame, 30, 30));
  }
  draw();
  EXPECT_EQ(clear_phase[0], CLEAR_NONE);
  EXPECT_EQ(clear_phase[1], CLEAR_RUNNING) << "only the drawn player's clear ends";
}

TEST_F(PlayfieldTest, CursorShowsFiveFramesOfFiveCallsEachCentredOnItsCell)
{
  current_player = 1;
  player_slots[1].cursor_column = 5;
  player_slots[1].cursor_row = 13;
  for (int call = 0; call < 30; call++) {
    clear_to_color(back_buffer, mask());
    draw_cursor();
    ASSERT_TRUE(copies(back_buffer, 540 - 6, 410 - 6, ITEM_CURSOR, 42 * (call % 25 / 5), 42, 42)) << call;
  }
}
