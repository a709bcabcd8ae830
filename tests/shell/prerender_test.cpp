// The play screen that pre-rendering lays from korvanta.dat. The tile sprites are checked as
// the playfield draws them, with the tile art.
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

TEST(Prerender, ThePlayScreenShowsASocketBesideEveryRow)
{
  prepare_play_screen();
  EXPECT_EQ(differing(lamp_socket_sprite, item_bitmap(ITEM_LAMP_SHEET)), 0) << "the sheet's corner";
  BITMAP *expected = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  blit(item_bitmap(ITEM_BACKGROUND), expected, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  EXPECT_EQ(differing(screen, expected), 0);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      draw_sprite(expected, lamp_socket_sprite, 365 * player + 213, 54 + 30 * row);
  EXPECT_EQ(differing(background_buffer, expected), 0);
  destroy_bitmap(expected);
}

}  // namespace
