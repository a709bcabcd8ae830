// The play screen and the points sprites that pre-rendering makes from korvanta.dat. The tile
// sprites are checked as the playfield draws them, with the tile art.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "shell/global_bitmaps.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

// Whether b shows what a shows, over a's size.
bool same(BITMAP *a, BITMAP *b)
{
  for (int y = 0; y < a->h; y++)
    for (int x = 0; x < a->w; x++)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

// The points sprites show their kinds' values: the cross's 5 and an elbow's 40.
TEST(Prerender, ThePlayScreenShowsItsSocketsAndThePointsSpritesTheirValues)
{
  prepare_play_screen();
  BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  for (int kind : {11, 3}) {
    blit(item_bitmap(ITEM_POINTS_BACKGROUND), expected, 0, 0, 0, 0, 20, 20);
    textout_centre_ex(expected, font_points, kind == 11 ? "5" : "40", 10, 6, makecol(0, 0, 255), -1);
    EXPECT_TRUE(same(points_sprites[kind - 1], expected)) << "kind " << kind;
  }

  BITMAP *const picture = item_bitmap(ITEM_BACKGROUND);
  blit(picture, expected, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      draw_sprite(expected, lamp_socket_sprite, 365 * player + 213, 54 + 30 * row);
  EXPECT_TRUE(same(lamp_socket_sprite, item_bitmap(ITEM_LAMP_SHEET)));
  EXPECT_FALSE(same(picture, expected)) << "the sockets show";
  EXPECT_TRUE(same(expected, background_buffer));
  EXPECT_TRUE(same(picture, screen));
  destroy_bitmap(expected);
}

}  // namespace
