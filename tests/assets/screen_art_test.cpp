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

// Pads and vias, bare copper, closer to the inside of a light letter than the 2 pixels of its
// shadow and halo, in the rows.
int pads_touching_letters(ResourceItem item, int first_row, int last_row)
{
  BITMAP *picture = item_bitmap(item);
  auto copper_pad = [](int colour) {
    const int r = getr(colour), g = getg(colour), b = getb(colour);
    return r > 150 && g > 100 && g < r - 20 && b > 40 && b < r - 70;
  };
  int touching = 0;
  for (int y = first_row; y <= last_row; y++)
    for (int x = 0; x < picture->w; x++) {
      bool near = false;
      for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
          near |= getpixel(picture, x + dx, y + dy) == palette::text.colour();
      touching += near && copper_pad(getpixel(picture, x, y));
    }
  return touching;
}

// The circuit boards behind lettering are laid out around it: no pad or via touches a letter
// of the title's bands and menu, the level panel, the level's end or the quit question.
TEST(ScreenArt, CopperKeepsClearOfTheLettering)
{
  EXPECT_EQ(pads_touching_letters(ITEM_TITLE, 139, 267), 0) << "the title's bands";
  EXPECT_EQ(pads_touching_letters(ITEM_TITLE, 430, 495), 0) << "the title's menu";
  for (ResourceItem item : {ITEM_LEVEL_PANEL, ITEM_LEVEL_COMPLETE, ITEM_QUIT_QUESTION}) {
    SCOPED_TRACE(item);
    EXPECT_EQ(pads_touching_letters(item, 0, item_bitmap(item)->h - 1), 0);
  }
}

}  // namespace
