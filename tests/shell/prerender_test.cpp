// The pre-rendered sprites and the play screen, checked pixel by pixel against the pictures
// of korvanta.dat they are cut from.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "shell/global_bitmaps.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

constexpr int CELL = 30;

int mask() { return makecol(255, 0, 255); }

class Prerender : public ::testing::Test {
protected:
  static void SetUpTestSuite() { prepare_play_screen(); }
};

// By kind: the piece each tile is made of and how many quarter turns clockwise it is turned.
struct Made {
  int piece_x, quarter_turns;
};
constexpr Made MADE_OF[TILE_KINDS + 1] = {
  {0, 0},   {0, 0},   {0, 1},   {30, 0},  {30, 1},  {30, 2},  {30, 3},
  {60, 0},  {60, 1},  {60, 2},  {60, 3},  {90, 0},  {120, 0}, {120, 1},
  {150, 0}, {150, 1}, {180, 0}, {180, 1}, {180, 2}, {180, 3},
};

// Every tile sprite is its background with the piece's row of its look laid over it, turned
// exactly: a pixel off anywhere would break the fills and the bars laid over the tiles.
TEST_F(Prerender, TileSpritesAreTheirPiecesTurnedOverTheirBackgrounds)
{
  BITMAP *const cells = item_bitmap(ITEM_TILE_CELLS), *const pieces = item_bitmap(ITEM_TILE_PIECES);
  for (int set = 0; set < TILE_SET_COUNT; set++)
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      SCOPED_TRACE(testing::Message() << "set " << set << ", kind " << kind);
      int differences = 0;
      for (int y = 0; y < CELL; y++)
        for (int x = 0; x < CELL; x++) {
          int from_x = x, from_y = y;
          for (int turn = 0; turn < MADE_OF[kind].quarter_turns; turn++) {
            const int turned_x = from_y, turned_y = CELL - 1 - from_x;
            from_x = turned_x;
            from_y = turned_y;
          }
          const int piece_x = MADE_OF[kind].piece_x + from_x, piece_y = CELL * (set % 2) + from_y;
          const int piece = getpixel(pieces, piece_x, piece_y);
          const int background = getpixel(cells, CELL * (set / 2) + x, y);
          const int expected = piece == mask() ? background : piece;
          differences += getpixel(tile_sprites[set][kind], x, y) != expected;
        }
      EXPECT_EQ(differences, 0);
    }
}

bool same_pixels(BITMAP *a, int ax, int ay, BITMAP *b, int bx, int by, int width, int height)
{
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++)
      if (getpixel(a, ax + x, ay + y) != getpixel(b, bx + x, by + y)) return false;
  return true;
}

TEST_F(Prerender, OverlaysAndLampsAreCutFromTheirSheets)
{
  BITMAP *const cells = item_bitmap(ITEM_TILE_CELLS), *const lamps = item_bitmap(ITEM_LAMP_SHEET);
  EXPECT_TRUE(same_pixels(cell_overlay_sprites[0], 0, 0, cells, 60, 0, CELL, CELL));
  EXPECT_TRUE(same_pixels(cell_overlay_sprites[1], 0, 0, cells, 90, 0, CELL, CELL));
  for (int colour = 0; colour < LAMP_COLOUR_COUNT; colour++)
    for (int j = 0; j < 2; j++)
      EXPECT_TRUE(
          same_pixels(lamp_sprites[2 * colour + j], 0, 0, lamps, 24 * j, 44 + 22 * colour, 22, 22))
          << "colour " << colour << ", image " << j;
  EXPECT_TRUE(same_pixels(lamp_socket_sprite, 0, 0, lamps, 0, 0, 22, 22));
  EXPECT_TRUE(same_pixels(new_lamp_sprites[1], 0, 0, lamps, 0, 22, 22, 22));
  EXPECT_TRUE(same_pixels(new_lamp_sprites[2], 0, 0, lamps, 24, 22, 22, 22));
  EXPECT_TRUE(same_pixels(new_lamp_sprites[3], 0, 0, lamps, 24, 0, 22, 22));
}

// The value as the points sprite should show it, drawn the way the score popups expect.
BITMAP *points_picture(const char *text)
{
  BITMAP *picture = create_bitmap(20, 20);
  blit(item_bitmap(ITEM_POINTS_BACKGROUND), picture, 0, 0, 0, 0, 20, 20);
  textout_centre_ex(picture, font_points, text, 10, 6, makecol(0, 0, 255), -1);
  return picture;
}

TEST_F(Prerender, EachPointsSpriteShowsItsKindsValue)
{
  const char *const values[TILE_KINDS] = {"20", "30", "40", "40", "40", "40", "10",
                                          "10", "10", "10", "5",  "15", "15", "30",
                                          "30", "5",  "5",  "5",  "5"};
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    BITMAP *expected = points_picture(values[kind - 1]);
    EXPECT_TRUE(same_pixels(points_sprites[kind - 1], 0, 0, expected, 0, 0, 20, 20))
        << "kind " << kind;
    destroy_bitmap(expected);
  }
  // The digits really are there: "5" and "40" differ.
  EXPECT_FALSE(same_pixels(points_sprites[10], 0, 0, points_sprites[2], 0, 0, 20, 20));
}

TEST_F(Prerender, ThePlayScreenHasASocketAtTheEndOfEveryRow)
{
  BITMAP *const picture = item_bitmap(ITEM_BACKGROUND);
  EXPECT_TRUE(same_pixels(screen, 0, 0, picture, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT));

  BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  blit(picture, expected, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      for (int y = 0; y < 22; y++)
        for (int x = 0; x < 22; x++) {
          const int colour = getpixel(lamp_socket_sprite, x, y);
          if (colour == mask()) continue;
          putpixel(expected, 365 * player + 213 + x, 54 + 30 * row + y, colour);
        }
  ASSERT_FALSE(same_pixels(expected, 0, 0, picture, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT));
  EXPECT_TRUE(same_pixels(background_buffer, 0, 0, expected, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT));
  destroy_bitmap(expected);
}

}  // namespace
