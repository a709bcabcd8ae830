// Presenting: the screen shows the composed frame at the screen's own depth, each game pixel a
// square of the factor, though only what changed since the last frame is written; a mode set
// writes it whole; the game goes on composing at 16 bits whatever depth the screen has.
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/present.h"
#include "tests/support/headless.h"

namespace {

// What the screen showed before: no game pixel painted below becomes it at either depth (the
// pattern always sets green's lowest bit, and no 5-bit blue widens to 0x41).
constexpr int STALE = 0x0841;

// Neighbouring pixels differ in every channel's low bits, so that a copy shifted by one pixel
// or with a channel cut short shows.
void paint(BITMAP *frame, int seed)
{
  for (int y = 0; y < SCREEN_HEIGHT; y++)
    for (int x = 0; x < SCREEN_WIDTH; x++)
      putpixel(frame, x, y, ((x * 7 + y * 13 + seed) * 2654435761u >> 16 & 0xffff) | 0x0821);
}

struct Area {
  int left, top, right, bottom;  // game pixels, right and bottom outside
  bool holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Screen pixels that do not show their game pixel's red, green and blue in the screen's own
// format or, inside `kept`, were written at all; the first few are named.
int wrong_pixels(BITMAP *frame, BITMAP *target, int factor, Area kept = {})
{
  const int depth = bitmap_color_depth(target);
  int wrong = 0;
  for (int y = 0; y < SCREEN_HEIGHT * factor; y++)
    for (int x = 0; x < SCREEN_WIDTH * factor; x++) {
      const int game = getpixel(frame, x / factor, y / factor);
      const int same_colour = makecol_depth(depth, getr16(game), getg16(game), getb16(game));
      const int expected = kept.holds(x / factor, y / factor) ? STALE : same_colour;
      if (getpixel(target, x, y) != expected && wrong++ < 3) ADD_FAILURE() << "screen pixel " << x << ", " << y;
    }
  return wrong;
}

}  // namespace

TEST(Present, EachGamePixelIsASquareOfTheFactorAndOnlyWhatChangedIsWrittenUntilAModeSet)
{
  // Where the frame will not change: something else drawn on the screen there stays.
  const Area untouched = {200, 100, 264, 131};
  // Single pixels at the edges of the frame and of the spans and bands compared, and their
  // neighbours across those edges.
  const int changes[][2] = {{0, 0}, {31, 5}, {32, 5}, {15, 15}, {16, 16}, {100, 300}, {639, 479}};
  BITMAP *frame = create_bitmap_ex(16, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (const int depth : {16, 32})
    for (int factor = 1; factor <= MAX_SCALE; factor++) {
      SCOPED_TRACE(testing::Message() << "depth " << depth << ", factor " << factor);
      BITMAP *target = create_bitmap_ex(depth, SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
      clear_to_color(target, STALE);
      paint(frame, factor);
      present_frame(frame, target, factor);  // a new screen gets all of it, checked with the next

      rectfill(target, untouched.left * factor, untouched.top * factor, untouched.right * factor - 1,
               untouched.bottom * factor - 1, STALE);
      for (const auto &[x, y] : changes) putpixel(frame, x, y, getpixel(frame, x, y) ^ 0x1863);
      present_frame(frame, target, factor);
      EXPECT_EQ(wrong_pixels(frame, target, factor, untouched), 0) << "the next frame";

      present_everything_next();
      present_frame(frame, target, factor);
      EXPECT_EQ(wrong_pixels(frame, target, factor), 0) << "after a mode set";
      destroy_bitmap(target);
    }
  destroy_bitmap(frame);
  present_everything_next();  // the next screen may be made where the last one lay
}

TEST(Present, AModeSetAtTheDesktopsDepthLeavesTheGameComposingAt16Bits)
{
  screen_depth = 32;
  const bool opened = set_display_mode(false, 1);
  screen_depth = COMPOSED_DEPTH;
  ASSERT_TRUE(opened);
  EXPECT_EQ(get_color_depth(), COMPOSED_DEPTH);
}
