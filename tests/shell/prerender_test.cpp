// The pre-rendered sprites and the play screen against the pictures of korvanta.dat.
#include <allegro.h>
#include <gtest/gtest.h>

#include <tuple>

#include "board/board.h"
#include "shell/global_bitmaps.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

constexpr int CELL = 30;

// Whether b shows what a shows, over a's size.
bool same(BITMAP *a, BITMAP *b)
{
  for (int y = 0; y < a->h; y++)
    for (int x = 0; x < a->w; x++)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

// Every tile sprite is its background with its family's piece in its look laid over it, turned
// a quarter clockwise per step through the family: exactly, or fills and bars would not fit.
TEST(Prerender, TileSpritesAreTheirPiecesTurnedOverTheirBackgrounds)
{
  prerender_sprites();
  constexpr int FAMILY_START[] = {1, 3, 7, 11, 12, 14, 16};  // by piece, 30 pixels apart
  BITMAP *const cells = item_bitmap(ITEM_TILE_CELLS), *const pieces = item_bitmap(ITEM_TILE_PIECES);
  for (int set = 0; set < TILE_SET_COUNT; set++)
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      int family = 6, differences = 0;
      while (FAMILY_START[family] > kind) family--;
      for (int y = 0; y < CELL; y++)
        for (int x = 0; x < CELL; x++) {
          int px = x, py = y;
          for (int turn = FAMILY_START[family]; turn < kind; turn++)
            std::tie(px, py) = std::make_pair(py, CELL - 1 - px);
          const int piece = getpixel(pieces, CELL * family + px, CELL * (set % 2) + py);
          const int background = getpixel(cells, CELL * (set / 2) + x, y);
          differences += getpixel(tile_sprites[set][kind], x, y) !=
                         (piece == bitmap_mask_color(pieces) ? background : piece);
        }
      EXPECT_EQ(differences, 0) << "set " << set << ", kind " << kind;
    }
}

// The points sprites show their kinds' values: the cross's 5 and an elbow's 40.
TEST(Prerender, ThePlayScreenShowsItsSocketsAndThePointsSpritesTheirValues)
{
  prepare_play_screen();
  BITMAP *points = create_bitmap(20, 20);
  for (int kind : {11, 3}) {
    blit(item_bitmap(ITEM_POINTS_BACKGROUND), points, 0, 0, 0, 0, 20, 20);
    textout_centre_ex(points, font_points, kind == 11 ? "5" : "40", 10, 6, makecol(0, 0, 255), -1);
    EXPECT_TRUE(same(points, points_sprites[kind - 1])) << "kind " << kind;
  }

  BITMAP *const picture = item_bitmap(ITEM_BACKGROUND);
  BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  blit(picture, expected, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      draw_sprite(expected, lamp_socket_sprite, 365 * player + 213, 54 + 30 * row);
  EXPECT_TRUE(same(lamp_socket_sprite, item_bitmap(ITEM_LAMP_SHEET)));
  EXPECT_FALSE(same(picture, expected)) << "the sockets show";
  EXPECT_TRUE(same(expected, background_buffer));
  EXPECT_TRUE(same(picture, screen));
  destroy_bitmap(points);
  destroy_bitmap(expected);
}

}  // namespace
