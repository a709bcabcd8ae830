// The play screen and the points sprites that pre-rendering makes from korvanta.dat. The tile
// sprites are checked as the playfield draws them, with the tile art.
#include <allegro.h>
#include <gtest/gtest.h>

#include "board/board.h"
#include "shell/global_bitmaps.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "shell/startup.h"

namespace {

int differing(BITMAP *a, BITMAP *b)
{
  int count = 0;
  for (int y = 0; y < a->h; y++)
    for (int x = 0; x < a->w; x++) count += getpixel(a, x, y) != getpixel(b, x, y);
  return count;
}

// The background shows a socket beside every row; the cross's points sprite shows 5, an elbow's 40.
TEST(Prerender, ThePlayScreenShowsItsSocketsAndThePointsSpritesTheirValues)
{
  prepare_play_screen();
  BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  for (int kind : {11, 3}) {
    blit(item_bitmap(ITEM_POINTS_BACKGROUND), expected, 0, 0, 0, 0, 20, 20);
    textout_centre_ex(expected, font_points, kind == 11 ? "5" : "40", 10, 6, makecol(0, 0, 255), -1);
    EXPECT_EQ(differing(points_sprites[kind - 1], expected), 0) << "kind " << kind;
  }
  blit(item_bitmap(ITEM_BACKGROUND), expected, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  EXPECT_EQ(differing(screen, expected), 0);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      draw_sprite(expected, lamp_socket_sprite, 365 * player + 213, 54 + 30 * row);
  EXPECT_EQ(differing(background_buffer, expected), 0);
  EXPECT_EQ(differing(lamp_socket_sprite, item_bitmap(ITEM_LAMP_SHEET)), 0) << "the sheet's corner";
  destroy_bitmap(expected);
}

}  // namespace
