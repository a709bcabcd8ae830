// The playfield drawing on a board laid out by hand. The tile sprites, overlays, background
// and level panels are swapped for plain marker pictures, so that every pixel says which
// sprite, overlay or pattern was drawn there; the datafile's pieces, strips, digits and
// patterns are the real ones.
#include <allegro.h>
#include <allegro/internal/aintern.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "board/board.h"
#include "board/power.h"
#include "render/playfield.h"
#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "tests/support/headless.h"

namespace {

constexpr int BLANK = -1, UNREADABLE = -2;

int marker(int set, int kind) { return makecol(8 * kind, 20 + 60 * set, 96); }
int conductor_colour() { return makecol(0, 252, 0); }
int background_colour() { return makecol(0, 0, 64); }
int warning_colour() { return makecol(248, 248, 0); }
int danger_colour() { return makecol(248, 0, 0); }
int mask() { return makecol(255, 0, 255); }

class PlayfieldTest : public ::testing::Test {
protected:
  BITMAP *saved_tiles[TILE_SET_COUNT][TILE_KIND_COUNT + 1];
  BITMAP *saved_overlays[2], *saved_background, *saved_panels[2];

  void SetUp() override
  {
    reset_fake_platform();
    memcpy(saved_tiles, tile_sprites, sizeof saved_tiles);
    memcpy(saved_overlays, cell_overlay_sprites, sizeof saved_overlays);
    memcpy(saved_panels, level_panels, sizeof saved_panels);
    saved_background = background_buffer;

    // Dark sprites are one colour; powered ones carry a cross-shaped conductor that
    // reaches every seed point but stops a pixel short of the tile's edges.
    for (int set = 0; set < TILE_SET_COUNT; set++)
      for (int kind = 1; kind <= TILE_KIND_COUNT; kind++) {
        BITMAP *sprite = tile_sprites[set][kind] = create_bitmap(30, 30);
        clear_to_color(sprite, marker(set, kind));
        if (set % 2 == 0) continue;
        rectfill(sprite, 1, 12, 28, 17, conductor_colour());
        rectfill(sprite, 12, 1, 17, 28, conductor_colour());
      }
    cell_overlay_sprites[0] = create_bitmap(30, 30);
    cell_overlay_sprites[1] = create_bitmap(30, 30);
    clear_to_color(cell_overlay_sprites[0], warning_colour());
    clear_to_color(cell_overlay_sprites[1], danger_colour());
    background_buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_to_color(background_buffer, background_colour());
    for (BITMAP *&panel : level_panels) {
      panel = create_bitmap(142, 278);
      clear_to_color(panel, mask());
    }

    memset(board, 0, sizeof board);
    for (int player = 0; player < 2; player++)
      for (int column = 0; column < BOARD_COLUMNS; column++)
        for (int row = 0; row < BOARD_ROWS; row++) {
          board[player][column][row].x = 25 + 30 * column + 365 * player;
          board[player][column][row].y = 20 + 30 * row;
        }
    memset(player_slots, 0, sizeof player_slots);
    memset(falling_blocks, 0, sizeof falling_blocks);
    player_slots[0].state = STATE_PLAYING;
    player_slots[1].state = STATE_JOIN_MENU;
    clear_phase[0] = clear_phase[1] = CLEAR_NONE;
    power_pattern_phase = 0.0f;
    warning_alpha = 220;
    warning_alpha_step = 1;
    board_draw_count[0] = board_draw_count[1] = 0;
    current_player = 0;
    difficulty = 1;
    solid_mode();
  }

  void TearDown() override
  {
    for (auto &set : tile_sprites)
      for (int kind = 1; kind <= TILE_KIND_COUNT; kind++) destroy_bitmap(set[kind]);
    for (BITMAP *bitmap : cell_overlay_sprites) destroy_bitmap(bitmap);
    for (BITMAP *bitmap : level_panels) destroy_bitmap(bitmap);
    destroy_bitmap(background_buffer);
    memcpy(tile_sprites, saved_tiles, sizeof saved_tiles);
    memcpy(cell_overlay_sprites, saved_overlays, sizeof saved_overlays);
    memcpy(level_panels, saved_panels, sizeof saved_panels);
    background_buffer = saved_background;
  }

  static BoardCell &put(int column, int row, int kind, int power = POWER_DEAD)
  {
    BoardCell &cell = board[current_player][column][row];
    cell.kind = kind;
    cell.power = power;
    cell.power2 = POWER_DEAD;
    return cell;
  }

  static void draw(int drawings = 1)
  {
    for (int i = 0; i < drawings; i++) draw_playfield();
  }

  // The pixel of the back buffer at (dx, dy) inside the cell.
  static int at(int column, int row, int dx, int dy)
  {
    const BoardCell &cell = board[current_player][column][row];
    return getpixel(back_buffer, cell.x + dx, cell.y + dy);
  }

  // Every pixel of the source region that is not transparent lies on the back buffer.
  static bool shows(ResourceItem item, int sx, int sy, int x, int y, int w, int h)
  {
    BITMAP *source = item_bitmap(item);
    int drawn = 0;
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++) {
        const int colour = getpixel(source, sx + i, sy + j);
        if (colour == mask()) continue;
        if (getpixel(back_buffer, x + i, y + j) != colour) return false;
        drawn++;
      }
    return drawn > 0;
  }

  // The pixel a fill pattern, tiled from (anchor, anchor), puts at (dx, dy) inside the cell.
  static int pattern(ResourceItem item, int anchor, int column, int row, int dx, int dy)
  {
    const BoardCell &cell = board[current_player][column][row];
    return getpixel(item_bitmap(item), (cell.x + dx - anchor) & 15, (cell.y + dy - anchor) & 15);
  }

  // The digit shown at (x, y), where transparent digit pixels show `blank`.
  static int digit_at(BITMAP *bitmap, int x, int y, int blank)
  {
    BITMAP *digits = item_bitmap(ITEM_DIGITS);
    for (int digit = -1; digit <= 9; digit++) {
      bool same = true;
      for (int j = 0; j < 20 && same; j++)
        for (int i = 0; i < 18 && same; i++) {
          const int colour = digit < 0 ? mask() : getpixel(digits, 18 * digit + i, j);
          same = getpixel(bitmap, x + i, y + j) == (colour == mask() ? blank : colour);
        }
      if (same) return digit < 0 ? BLANK : digit;
    }
    return UNREADABLE;
  }

  // The count-in's number in a player's panel; leading slots must be blank.
  static int panel_number(int player, int slots = 3)
  {
    int number = 0;
    bool started = false;
    for (int slot = 0; slot < slots; slot++) {
      const int digit = digit_at(level_panels[player], 19 * slot, 107, mask());
      if (digit == BLANK && !started && slot < slots - 1) continue;
      if (digit < 0) return UNREADABLE;
      number = 10 * number + digit;
      started = true;
    }
    return number;
  }
};

class PlayfieldCountIn : public PlayfieldTest {};
class PlayfieldTiles : public PlayfieldTest {};
class PlayfieldHeight : public PlayfieldTest {};
class PlayfieldVanish : public PlayfieldTest {};
class PlayfieldAnimation : public PlayfieldTest {};

void start_count_in(int player, int level)
{
  current_player = player;
  player_slots[player].state = STATE_LEVEL_START;
  player_slots[player].level = level;
}

TEST_F(PlayfieldCountIn, Level1FadesInCountsDownOnePerDrawingThenPlayBegins)
{
  start_count_in(0, 1);
  PlayerSlot &slot = player_slots[0];
  for (int drawing = 1; drawing <= 51; drawing++) {
    draw();
    ASSERT_EQ(slot.fade_alpha, 5 * drawing);
  }
  EXPECT_EQ(slot.blocks_to_clear, 0);
  EXPECT_TRUE(fake.sounds.empty());

  for (int left = 29; left >= 0; left--) {
    draw();
    ASSERT_EQ(slot.blocks_to_clear, 30 - left);
    ASSERT_EQ(panel_number(0), left) << "the tens slot empties below 10";
    ASSERT_EQ(slot.state, STATE_LEVEL_START);
    if (left == 28) {
      // The panel was shown, whole, before its number was rewritten.
      EXPECT_EQ(digit_at(back_buffer, 48 + 19, 207, background_colour()), 2);
      EXPECT_EQ(digit_at(back_buffer, 48 + 38, 207, background_colour()), 9);
    }
  }
  ASSERT_EQ(fake.sounds.size(), 30u);
  for (const PlayedSound &tick : fake.sounds) {
    EXPECT_EQ(tick.item, ITEM_SOUND_CLICK);
    EXPECT_EQ(tick.volume, 150);
    EXPECT_EQ(tick.pan, 20);
    EXPECT_EQ(tick.frequency, 2000);
  }

  draw();
  EXPECT_EQ(slot.state, STATE_PLAYING);
  EXPECT_EQ(slot.fade_alpha, 250) << "the fade-out starts in the call that begins play";
  EXPECT_EQ(fake.sounds.size(), 30u);
  draw(50);
  EXPECT_EQ(slot.fade_alpha, 0);
  draw();
  EXPECT_EQ(slot.fade_alpha, 0);
}

TEST_F(PlayfieldCountIn, Level3CountsByThreeWhileMoreThanFiftyRemainThenByOne)
{
  start_count_in(1, 3);
  player_slots[0].state = STATE_JOIN_MENU;
  draw(51);
  std::vector<int> counted, expected;
  for (int value = 3; value <= 42; value += 3) expected.push_back(value);
  for (int value = 43; value <= 90; value++) expected.push_back(value);
  while (player_slots[1].state == STATE_LEVEL_START && counted.size() < 100) {
    draw();
    if (player_slots[1].state == STATE_LEVEL_START) counted.push_back(player_slots[1].blocks_to_clear);
    if (player_slots[1].blocks_to_clear == 42) {
      EXPECT_EQ(panel_number(1), 48);
    }
  }
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(fake.sounds.size(), expected.size());
  EXPECT_EQ(fake.sounds.back().pan, 255);

  // A gap of exactly 50 already counts by one.
  player_slots[1].state = STATE_LEVEL_START;
  player_slots[1].fade_alpha = 255;
  player_slots[1].blocks_to_clear = 40;
  draw();
  EXPECT_EQ(player_slots[1].blocks_to_clear, 41);
}

TEST_F(PlayfieldCountIn, QuotasOf1000AndMoreGetAFourthSlotForTheWholeCount)
{
  start_count_in(0, 34);  // 1020 tiles
  player_slots[0].fade_alpha = 255;
  draw();
  EXPECT_EQ(panel_number(0, 4), 1017);
  player_slots[0].blocks_to_clear = 19;
  draw();
  EXPECT_EQ(panel_number(0, 4), 998);
  EXPECT_EQ(digit_at(level_panels[0], 0, 107, mask()), BLANK);
}

TEST_F(PlayfieldTiles, MovingOrWaitingTilesAreDarkRestingOnesShowTheirPower)
{
  put(0, 13, 1, POWER_CONNECTED);
  put(1, 12, 1, POWER_CONNECTED).y_offset = 17;
  put(2, 13, 1, POWER_CONNECTED).vanish_timer = 20;
  put(3, 13, 3, POWER_DEAD).is_protected = 1;
  put(4, 13, 3, POWER_FROM_LEFT).is_protected = 1;
  draw();

  EXPECT_EQ(at(0, 13, 3, 3), marker(1, 1));
  EXPECT_EQ(at(0, 13, 2, 15), pattern(ITEM_PATTERN_CONNECTED, 0, 0, 13, 2, 15));
  EXPECT_EQ(at(1, 12, 15, 16), background_colour());
  EXPECT_EQ(at(1, 12, 15, 17), marker(0, 1));
  EXPECT_EQ(at(1, 12, 15, 17 + 29), marker(0, 1));
  EXPECT_EQ(at(2, 13, 15, 15), marker(0, 1));
  EXPECT_EQ(at(3, 13, 15, 15), marker(2, 3));
  EXPECT_EQ(at(4, 13, 3, 3), marker(3, 3));
  EXPECT_EQ(at(4, 13, 2, 15), pattern(ITEM_PATTERN_FROM_LEFT, 0, 4, 13, 2, 15));

  // The board fades out as a whole in the dark look.
  player_slots[0].state = STATE_VERSUS_WON;
  draw();
  EXPECT_EQ(at(0, 13, 2, 15), marker(0, 1));
}

TEST_F(PlayfieldTiles, FillPatternFollowsPowerAndTheTruncatedPhase)
{
  power_pattern_phase = 7.5f;              // the fills use 7
  put(0, 13, 1, POWER_NONE);               // first fill of the drawing: solid
  put(1, 13, 1, POWER_FROM_LEFT);
  put(2, 13, 1, POWER_FROM_RIGHT);
  put(3, 13, 1, POWER_NONE);               // keeps the pattern of the fill before it
  put(4, 13, 1, POWER_CONNECTED);
  draw();
  EXPECT_EQ(_drawing_mode, DRAW_MODE_SOLID);
  for (int dx = 1; dx <= 28; dx += 3) {
    SCOPED_TRACE(dx);
    EXPECT_EQ(at(0, 13, dx, 14), makecol(10, 10, 10));
    EXPECT_EQ(at(1, 13, dx, 14), pattern(ITEM_PATTERN_FROM_LEFT, 7, 1, 13, dx, 14));
    EXPECT_EQ(at(2, 13, dx, 14), pattern(ITEM_PATTERN_FROM_RIGHT, -7, 2, 13, dx, 14));
    EXPECT_EQ(at(3, 13, dx, 14), pattern(ITEM_PATTERN_FROM_RIGHT, -7, 3, 13, dx, 14));
    EXPECT_EQ(at(4, 13, dx, 14), pattern(ITEM_PATTERN_CONNECTED, 7, 4, 13, dx, 14));
  }

  clear_phase[0] = CLEAR_ARMED;
  power_pattern_phase = 7.0f;
  draw();
  EXPECT_EQ(at(4, 13, 20, 14), pattern(ITEM_PATTERN_ARMED, 7, 4, 13, 20, 14));
}

TEST_F(PlayfieldTiles, BridgesLayTheirUpperBarLastSplitsOnlyTheirPoweredQuarters)
{
  put(0, 13, 12);                                     // both conductors dark
  put(1, 13, 13, POWER_CONNECTED);                    // horizontal powered, vertical dark
  put(2, 13, 15, POWER_DEAD).power2 = POWER_FROM_RIGHT;
  draw();

  EXPECT_EQ(at(0, 13, 15, 2), marker(0, 2));
  EXPECT_TRUE(shows(ITEM_TILE_PIECES, 0, 9, 25, 410 + 9, 30, 12));
  EXPECT_EQ(at(1, 13, 3, 3), marker(1, 1));
  EXPECT_TRUE(shows(ITEM_TILE_PIECES, 219, 0, 55 + 9, 410, 12, 30));
  EXPECT_EQ(at(1, 13, 26, 14), pattern(ITEM_PATTERN_CONNECTED, 0, 1, 13, 26, 14))
      << "the conductor is filled before the bar divides it";
  EXPECT_EQ(at(2, 13, 28, 15), pattern(ITEM_PATTERN_FROM_RIGHT, 0, 2, 13, 28, 15));
  EXPECT_EQ(at(2, 13, 2, 15), marker(0, 15)) << "no quarter over the dark conductor";
}

TEST_F(PlayfieldTiles, PreparedSpritesHaveEveryPoweredConductorFilledFromItsSeed)
{
  // The game's own sprites in place of the markers, for this test only.
  BITMAP *markers[TILE_SET_COUNT][TILE_KIND_COUNT + 1];
  memcpy(markers, tile_sprites, sizeof markers);
  memcpy(tile_sprites, saved_tiles, sizeof markers);
  prepare_play_screen();
  const int powered = getpixel(tile_sprites[1][1], 2, 15);
  for (int kind = 1; kind <= TILE_KIND_COUNT; kind++) {
    SCOPED_TRACE(kind);
    if (!is_bridge(kind) && !is_split(kind)) {
      const ChannelSeed seed = CHANNEL_SEEDS[kind];
      EXPECT_EQ(getpixel(tile_sprites[1][kind], seed.dx, seed.dy), powered);
    }
    BoardCell &cell = put(2, 13, kind, POWER_CONNECTED);
    cell.power2 = POWER_CONNECTED;
    draw();
    int unfilled = 0;
    for (int dy = 0; dy < 30; dy++)
      for (int dx = 0; dx < 30; dx++) unfilled += at(2, 13, dx, dy) == powered;
    EXPECT_EQ(unfilled, 0);
  }
  memcpy(tile_sprites, markers, sizeof markers);
}

TEST_F(PlayfieldTiles, SupplyRowDimsAllButTheNextColumnAndJoinsTheLevelEndFadeAt84)
{
  for (int column = 1; column < BOARD_COLUMNS; column++) put(column, 0, 19);
  board[0][2][0].is_protected = 1;
  falling_blocks[0].next_column = 2;
  draw();
  EXPECT_EQ(at(0, 0, 15, 15), background_colour()) << "a preview cell without a tile stays empty";
  EXPECT_EQ(at(2, 0, 15, 15), marker(0, 19));
  const int dimmed = at(1, 0, 15, 15);
  EXPECT_NE(dimmed, marker(0, 19));
  EXPECT_NE(dimmed, background_colour());
  EXPECT_EQ(at(5, 0, 15, 15), dimmed);

  player_slots[0].state = STATE_LEVEL_COMPLETE;
  player_slots[0].fade_alpha = 100;  // the next column at 155, the others still at 85
  draw();
  EXPECT_EQ(at(1, 0, 15, 15), dimmed);
  EXPECT_NE(at(2, 0, 15, 15), dimmed);
  EXPECT_NE(at(2, 0, 15, 15), marker(0, 19));
  player_slots[0].fade_alpha = 200;  // 55 for every column
  draw();
  EXPECT_EQ(at(2, 0, 15, 15), at(1, 0, 15, 15));
  EXPECT_NE(at(1, 0, 15, 15), dimmed);
}

TEST_F(PlayfieldTiles, FallingBlockAndFrameBackground)
{
  falling_blocks[0] = {0, 9, 1, 4, 12, 6, 0};  // kind 9, protected, column 4, step 12, row 6
  clear_to_color(back_buffer, background_colour());
  draw_falling_tile();
  EXPECT_EQ(getpixel(back_buffer, 145, 212), marker(2, 9));
  EXPECT_EQ(getpixel(back_buffer, 174, 241), marker(2, 9));
  EXPECT_EQ(getpixel(back_buffer, 145, 211), background_colour());

  // While nobody plays the whole label shows; otherwise only its lower part.
  player_slots[0].state = STATE_JOIN_MENU;
  player_slots[1].state = STATE_HIGH_SCORES;
  difficulty = 2;
  draw();
  EXPECT_TRUE(shows(ITEM_DIFFICULTY_SIGN, 0, 52, 279, 222, 56, 25));
  player_slots[1].state = STATE_PLAYING;
  draw();
  EXPECT_TRUE(shows(ITEM_DIFFICULTY_SIGN, 0, 64, 279, 227, 56, 11));
  for (int x = 279; x < 279 + 56; x++) ASSERT_EQ(getpixel(back_buffer, x, 222), background_colour());

  clear_to_color(back_buffer, 0);
  current_player = 1;
  draw();
  EXPECT_EQ(getpixel(back_buffer, 320, 5), 0) << "only player 0 lays the background";
}

TEST_F(PlayfieldHeight, OverlaysFollowTheColumnsHighestTileAndStayAtTheCell)
{
  put(0, 1, 5);
  put(0, 13, 5);
  put(1, 3, 5);
  put(2, 4, 5);
  put(3, 5, 5);
  put(4, 2, 5).y_offset = 17;
  put(5, 2, 5).vanish_timer = 14;
  put(5, 13, 5);
  warning_alpha = 255;
  draw();
  EXPECT_EQ(at(0, 1, 15, 15), danger_colour());
  EXPECT_EQ(at(0, 13, 15, 15), danger_colour());
  EXPECT_EQ(at(1, 3, 15, 15), warning_colour());
  EXPECT_EQ(at(2, 4, 15, 15), warning_colour());
  EXPECT_EQ(at(3, 5, 15, 15), marker(0, 5));
  EXPECT_EQ(at(4, 2, 15, 5), danger_colour());
  EXPECT_EQ(at(4, 2, 15, 35), marker(0, 5)) << "the sinking tile below its cell has no overlay";
  EXPECT_TRUE(shows(ITEM_VANISH_STRIP, 0, 0, board[0][5][2].x, board[0][5][2].y, 30, 30));
  EXPECT_EQ(at(5, 13, 15, 15), danger_colour());

  player_slots[0].state = STATE_PAUSED;
  warning_alpha = 255;
  draw();
  EXPECT_EQ(at(1, 3, 15, 15), warning_colour());
  player_slots[0].state = STATE_GAME_OVER;
  draw();
  EXPECT_EQ(at(0, 1, 15, 15), marker(0, 5));
}

// The drawings, counted from 1, in which a warning sounded.
std::vector<int> sounding_drawings(int drawings)
{
  std::vector<int> sounding;
  for (int drawing = 1; drawing <= drawings; drawing++) {
    const size_t before = fake.sounds.size();
    draw_playfield();
    if (fake.sounds.size() > before) sounding.push_back(drawing);
  }
  return sounding;
}

void expect_beeps(int pan, int frequency)
{
  ASSERT_FALSE(fake.sounds.empty());
  for (const PlayedSound &beep : fake.sounds) {
    EXPECT_EQ(beep.item, ITEM_SOUND_WARNING);
    EXPECT_EQ(beep.volume, 155);
    EXPECT_EQ(beep.pan, pan);
    EXPECT_EQ(beep.frequency, frequency);
  }
}

TEST_F(PlayfieldHeight, WarningBeepsEveryThirtyDrawingsDangerEveryTenNoneWhilePaused)
{
  put(0, 4, 5);
  EXPECT_EQ(sounding_drawings(61), (std::vector<int>{1, 31, 61}));
  expect_beeps(0, 2000);

  reset_fake_platform();
  board_draw_count[0] = 0;
  put(5, 2, 5);  // danger to the right of a warning still counts as danger
  EXPECT_EQ(sounding_drawings(21), (std::vector<int>{1, 11, 21}));
  expect_beeps(0, 1000);

  reset_fake_platform();
  board_draw_count[0] = 0;
  player_slots[0].state = STATE_PAUSED;
  EXPECT_TRUE(sounding_drawings(30).empty());

  current_player = 1;
  player_slots[1].state = STATE_PLAYING;
  put(0, 1, 5);
  put(5, 4, 5);  // a warning after a danger does not lower it
  EXPECT_EQ(sounding_drawings(11), (std::vector<int>{1, 11}));
  expect_beeps(255, 1000);
}

TEST_F(PlayfieldVanish, Timer14ShowsFrames0To7ThenEmptiesTheCell)
{
  put(3, 13, 7, POWER_CONNECTED).vanish_timer = 14;
  for (int frame : {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7}) {
    ASSERT_EQ(board[0][3][13].kind, 7);
    draw();
    ASSERT_TRUE(shows(ITEM_VANISH_STRIP, 30 * frame, 0, 115, 410, 30, 30)) << frame;
  }
  EXPECT_EQ(board[0][3][13].kind, TILE_EMPTY);
  draw();
  EXPECT_EQ(at(3, 13, 15, 15), background_colour());
}

TEST_F(PlayfieldVanish, Timer14PlusNShowsTheTileDarkInNMinus1DrawingsFirst)
{
  put(0, 13, 7, POWER_CONNECTED).vanish_timer = 14 + 5;
  for (int drawing = 1; drawing <= 4; drawing++) {
    draw();
    ASSERT_EQ(at(0, 13, 15, 15), marker(0, 7)) << drawing;
  }
  draw();
  EXPECT_TRUE(shows(ITEM_VANISH_STRIP, 0, 0, 25, 410, 30, 30));
}

TEST_F(PlayfieldVanish, ClearPhaseReturnsToNoneInTheFirstDrawingWithoutAVanishFrame)
{
  put(0, 13, 1).vanish_timer = 14;
  put(1, 13, 1).vanish_timer = 14;
  clear_phase[0] = CLEAR_RUNNING;
  clear_phase[1] = CLEAR_RUNNING;
  draw(14);
  EXPECT_EQ(clear_phase[0], CLEAR_RUNNING);
  draw();
  EXPECT_EQ(clear_phase[0], CLEAR_NONE);
  EXPECT_EQ(clear_phase[1], CLEAR_RUNNING) << "only the drawn player's clear ends";
  clear_phase[0] = CLEAR_ARMED;
  draw();
  EXPECT_EQ(clear_phase[0], CLEAR_ARMED);
}

TEST_F(PlayfieldAnimation, SharedSwingAndPhaseAdvanceWithEveryBoardDrawing)
{
  player_slots[1].state = STATE_PLAYING;
  std::vector<int> alphas;
  for (int frame = 0; frame < 60; frame++)
    for (int player : {0, 1}) {
      current_player = player;
      draw_playfield();
      alphas.push_back(warning_alpha);
    }
  EXPECT_EQ(alphas.front(), 222);
  for (size_t i = 1; i < alphas.size(); i++) ASSERT_EQ(std::abs(alphas[i] - alphas[i - 1]), 2);
  EXPECT_EQ(*std::max_element(alphas.begin(), alphas.end()), 256);
  EXPECT_EQ(*std::min_element(alphas.begin(), alphas.end()), 148);
  EXPECT_FLOAT_EQ(power_pattern_phase, 60.0f);
  EXPECT_EQ(board_draw_count[0], 60);
  EXPECT_EQ(board_draw_count[1], 60);

  // Boards that are not shown advance nothing.
  current_player = 0;
  for (int state : {STATE_JOIN_MENU, STATE_LEVEL_FADE_OUT, STATE_WINNER_FADE_OUT,
                    STATE_LOSER_FADE_OUT, STATE_HIGH_SCORES}) {
    player_slots[0].state = state;
    draw();
  }
  EXPECT_FLOAT_EQ(power_pattern_phase, 60.0f);
  EXPECT_EQ(board_draw_count[0], 60);
  EXPECT_EQ(warning_alpha, alphas.back());
}

TEST_F(PlayfieldAnimation, CursorShowsFiveFramesOfFiveCallsEach)
{
  current_player = 1;
  player_slots[1].cursor_column = 5;
  player_slots[1].cursor_row = 13;
  for (int call = 0; call < 25; call++) {
    clear_to_color(back_buffer, background_colour());
    draw_cursor();
    ASSERT_TRUE(shows(ITEM_CURSOR, 42 * (call / 5), 0, 365 + 150 + 19, 390 + 14, 42, 42)) << call;
  }
  EXPECT_EQ(player_slots[1].cursor_anim, 0);
}

}  // namespace
