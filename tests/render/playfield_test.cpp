// The playfield on a board laid by hand: sprites and overlays are plain markers, the background
// transparent, so a pixel says what was drawn; the vanish strip and patterns are real.
#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/power.h"
#include "render/playfield.h"
#include "shell/prerender.h"
#include "state/game_state.h"
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
      for (int kind = 1; kind <= TILE_KINDS; kind++) {
        clear_to_color(tile_sprites[set][kind], marker(set, kind));
        if (set % 2) rectfill(tile_sprites[set][kind], 1, 12, 28, 17, makecol(0, 252, 0));
      }
    clear_to_color(cell_overlay_sprites[0], warning());
    clear_to_color(cell_overlay_sprites[1], danger());
    clear_to_color(background_buffer, mask());
    reset_game_state();
    board_draw_count[0] = board_draw_count[1] = 0;
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

  // Whether the cell shows the vanish strip's frame.
  static bool shows_frame(int column, int row, int frame)
  {
    for (int j = 0; j < TILE_SIZE; j++)
      for (int i = 0; i < TILE_SIZE; i++)
        if (at(column, row, i, j) != getpixel(item_bitmap(ITEM_VANISH_STRIP), TILE_SIZE * frame + i, j))
          return false;
    return true;
  }
};

TEST_F(PlayfieldTest, CountInCountsTheQuotaDownWithTicksAndStartsPlay)
{
  // Level 3 on the right: by three while more than 50 remain, then by one, a tick each time.
  current_player = 1;
  PlayerSlot &slot = player_slots[1];
  slot.state = STATE_LEVEL_START;
  slot.level = 3;
  std::vector<int> counted, expected;
  for (int value = 3; value <= 90; value += value < 42 ? 3 : 1) expected.push_back(value);
  for (draw(52); slot.state == STATE_LEVEL_START && counted.size() < 100; draw()) {  // after the fade-in
    counted.push_back(slot.blocks_to_clear);
    ASSERT_EQ(sounds_played(ITEM_SOUND_CLICK), int(counted.size()));
  }
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(slot.state, STATE_PLAYING);
}

// The preview is dimmed but in the next drop's column.
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
  draw();
  for (int column = 0; column < BOARD_COLUMNS; column++)
    EXPECT_EQ(at(column, 0, 15, 15) == marker(0, column + 1), column == 4) << "preview " << column;
  EXPECT_EQ(at(1, 12, 15, 17 + 29), marker(0, 1)) << "a sinking tile is dark";
  // Patterns from the left and for clearing tile from (7, 7), from the lamps from (-7, -7); y 424.
  BITMAP *left = item_bitmap(ITEM_PATTERN_FROM_LEFT), *right = item_bitmap(ITEM_PATTERN_FROM_RIGHT);
  for (int dx = 1; dx < 29; dx++) {
    ASSERT_EQ(at(0, 13, dx, 14), getpixel(left, (25 + dx - 7) & 15, (424 - 7) & 15)) << dx;
    ASSERT_EQ(at(2, 13, dx, 14),
              getpixel(item_bitmap(ITEM_PATTERN_ARMED), (85 + dx - 7) & 15, (424 - 7) & 15)) << dx;
    ASSERT_EQ(at(4, 13, dx, 14), getpixel(right, (145 + dx + 7) & 15, (424 + 7) & 15)) << dx;
  }
}

TEST_F(PlayfieldTest, HighColumnsGetOverlaysAtTheirCellsAndBeepUnlessPaused)
{
  for (int column : {3, 4, 5}) put(column, column, 5);
  draw(81);
  EXPECT_EQ(sounds_played(ITEM_SOUND_WARNING), 3) << "a warning beeps in drawings 1, 31 and 61";
  warning_alpha = 255;  // opaque overlays
  put(0, 1, 5);  // danger left of the warnings: they do not lower it
  draw();
  EXPECT_EQ(at(0, 1, 15, 15), danger());
  EXPECT_EQ(at(4, 4, 15, 15), warning());
  EXPECT_EQ(at(5, 5, 15, 15), marker(0, 5));
  draw(19);
  EXPECT_EQ(sounds_played(ITEM_SOUND_WARNING), 5) << "danger beeps in drawings 91 and 101";
  player_slots[0].state = STATE_PAUSED;
  draw(30);
  EXPECT_NE(at(3, 3, 15, 15), marker(0, 5)) << "a paused game shows its overlays";
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
    ASSERT_TRUE(drawing <= 4 ? at(0, 13, 15, 15) == marker(0, 7) : shows_frame(0, 13, frame));
  }
  draw();
  EXPECT_EQ(clear_phase[0], CLEAR_NONE);
  EXPECT_EQ(clear_phase[1], CLEAR_RUNNING) << "only the drawn player's clear ends";
}

// The difficulty sign is lettering laid into its socket, whole while nobody plays and only its
// name in play: around what it draws, the socket's floor shows three pixels wide, one colour
// all round, so the lettering neither touches the socket's edges nor brings a plate of its own.
TEST_F(PlayfieldTest, TheDifficultySignStandsOnTheSocketFloorWithRoomAllRound)
{
  prepare_play_screen();
  for (const int state : {STATE_JOIN_MENU, STATE_PLAYING})
    for (difficulty = 0; difficulty < 3; difficulty++) {
      SCOPED_TRACE(::testing::Message() << "state " << state << ", difficulty " << difficulty);
      player_slots[0].state = player_slots[1].state = state;
      draw_playfield();
      int x1 = SCREEN_WIDTH, y1 = SCREEN_HEIGHT, x2 = -1, y2 = -1;  // around what the sign drew
      for (int y = 0; y < SCREEN_HEIGHT; y++)
        for (int x = 0; x < SCREEN_WIDTH; x++)
          if (getpixel(back_buffer, x, y) != getpixel(background_buffer, x, y))
            x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      ASSERT_GE(x2, 0) << "no sign";
      const int floor = getpixel(back_buffer, x1 - 1, y1 - 1);
      for (int y = y1 - 3; y <= y2 + 3; y++)
        for (int x = x1 - 3; x <= x2 + 3; x++) {
          if (x >= x1 && x <= x2 && y >= y1 && y <= y2) continue;  // the sign itself
          ASSERT_EQ(getpixel(back_buffer, x, y), floor) << "at " << x << "," << y;
        }
    }
}
