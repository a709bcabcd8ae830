// The large pictures of korvanta.dat leave open what the game prints or draws through them.
#include <allegro.h>
#include <gtest/gtest.h>

#include "assets/palette.h"
#include "base/resources.h"

namespace {

// Whether every pixel of the rectangle is the picture's transparent colour.
bool clear_inside(ResourceItem item, int x1, int y1, int x2, int y2)
{
  BITMAP *picture = item_bitmap(item);
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++)
      if (getpixel(picture, x, y) != bitmap_mask_color(picture)) {
        ADD_FAILURE() << "painted at " << x << "," << y;
        return false;
      }
  return true;
}

// The game over prints the score at (97, 43) and only then lays the picture over it; the
// count-in clears the level panel's quota strip to transparent as it counts.
TEST(ScreenArt, LeavesOpenWhatTheGamePrintsUnderOrClears)
{
  EXPECT_TRUE(clear_inside(ITEM_GAME_OVER, 97, 43, 150, 57));
  EXPECT_TRUE(clear_inside(ITEM_LEVEL_PANEL, 0, 107, 80, 127));
}

// The highlight is laid over the menu entries: only its frame may be painted.
TEST(ScreenArt, HighlightFramesLeaveTheEntryVisible)
{
  for (int frame = 0; frame < 7; frame++) {
    SCOPED_TRACE(frame);
    EXPECT_TRUE(clear_inside(ITEM_MENU_HIGHLIGHT, 12, 36 * frame + 6, 144, 36 * frame + 29));
  }
}

// The circuit boards behind lettering are laid out around it: no pad or via, bare copper, comes
// within the 2 pixels of shadow and halo around a light letter. The winner's picture is left
// out, since its golden halo looks like copper here.
TEST(ScreenArt, CopperKeepsClearOfTheLettering)
{
  auto copper_pad = [](int colour) {
    const int r = getr(colour), g = getg(colour), b = getb(colour);
    return r > 150 && g > 100 && g < r - 20 && b > 40 && b < r - 70;
  };
  for (ResourceItem item : {ITEM_TITLE, ITEM_GAME_OVER, ITEM_LEVEL_PANEL, ITEM_LEVEL_COMPLETE,
                            ITEM_QUIT_QUESTION, ITEM_VERSUS_LOSER}) {
    BITMAP *picture = item_bitmap(item);
    for (int y = 0; y < picture->h; y++)
      for (int x = 0; x < picture->w; x++)
        for (int i = 0; i < 25 && copper_pad(getpixel(picture, x, y)); i++)  // the 5 x 5 around it
          ASSERT_NE(getpixel(picture, x + i % 5 - 2, y + i / 5 - 2), palette::text.colour())
              << "copper at " << x << "," << y << " of item " << item;
  }
}

}  // namespace
