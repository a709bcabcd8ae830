// Presenting: the screen shows the composed frame at the screen's own depth, each game pixel a
// square of the factor, though only what changed since the last frame is written; a mode set
// writes it whole; the game goes on composing at 16 bits whatever depth the screen has.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/present.h"
#include "tests/support/headless.h"

namespace {

// Colours neither pattern below makes at a screen pixel: what the screen showed before.
constexpr int STALE_16 = 0x0841;
constexpr int STALE_32 = 0x0a0b0c;

int stale_colour(int depth) { return depth == 32 ? STALE_32 : STALE_16; }

// Neighbouring pixels differ in every channel's low bits, so that a copy shifted by one pixel
// or with a channel cut short shows; white is in the frame too.
int pattern(int x, int y, int seed)
{
  if ((x + y + seed) % 97 == 0) return 0xffff;
  return static_cast<int>(((x * 7 + y * 13 + seed) * 2654435761u >> 16) & 0xffff) | 0x0821;
}

void paint(BITMAP *frame, int seed)
{
  for (int y = 0; y < SCREEN_HEIGHT; y++)
    for (int x = 0; x < SCREEN_WIDTH; x++) putpixel(frame, x, y, pattern(x, y, seed));
}

// The screen pixel a game colour must become: the same red, green and blue, read back from
// the screen's own format.
bool shows(BITMAP *target, int x, int y, int colour16)
{
  const int shown = getpixel(target, x, y);
  const int depth = bitmap_color_depth(target);
  return getr_depth(depth, shown) == getr16(colour16) && getg_depth(depth, shown) == getg16(colour16) &&
         getb_depth(depth, shown) == getb16(colour16);
}

struct Area {
  int left, top, right, bottom;  // screen pixels, inclusive
  bool holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// How many screen pixels outside `skip` do not show their game pixel; the first few are named.
int wrong_pixels(BITMAP *frame, BITMAP *target, int factor, Area skip = {-1, -1, -1, -1})
{
  int wrong = 0;
  for (int y = 0; y < SCREEN_HEIGHT * factor; y++)
    for (int x = 0; x < SCREEN_WIDTH * factor; x++)
      if (!skip.holds(x, y) && !shows(target, x, y, getpixel(frame, x / factor, y / factor)) && wrong++ < 3)
        ADD_FAILURE() << "depth " << bitmap_color_depth(target) << ", factor " << factor
                      << ": screen pixel " << x << ", " << y;
  return wrong;
}

class Present : public ::testing::Test {
protected:
  void SetUp() override { frame = create_bitmap_ex(16, SCREEN_WIDTH, SCREEN_HEIGHT); }
  void TearDown() override
  {
    for (BITMAP *target : targets) destroy_bitmap(target);
    destroy_bitmap(frame);
    // The next screen may be made where one of these lay.
    present_everything_next();
    screen_depth = COMPOSED_DEPTH;
    scale_factor = 1;
  }
  BITMAP *make_target(int depth, int factor)
  {
    BITMAP *target = create_bitmap_ex(depth, SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
    clear_to_color(target, stale_colour(depth));
    targets.push_back(target);
    return target;
  }
  BITMAP *frame = nullptr;
  std::vector<BITMAP *> targets;
};

}  // namespace

TEST_F(Present, EveryGamePixelIsASquareOfTheFactorInTheScreensOwnColours)
{
  for (int depth : {16, 32})
    for (int factor = 1; factor <= MAX_SCALE; factor++) {
      BITMAP *target = make_target(depth, factor);
      paint(frame, factor);
      present_frame(frame, target, factor);
      EXPECT_EQ(wrong_pixels(frame, target, factor), 0) << "first frame, depth " << depth << ", factor " << factor;
      // A frame that differs everywhere.
      paint(frame, factor + 50);
      present_frame(frame, target, factor);
      EXPECT_EQ(wrong_pixels(frame, target, factor), 0) << "next frame, depth " << depth << ", factor " << factor;
    }
}

TEST_F(Present, OnlyWhatChangedIsWrittenUntilAModeSetAsksForEverything)
{
  constexpr int FACTOR = 2;
  for (int depth : {16, 32}) {
    BITMAP *target = make_target(depth, FACTOR);
    paint(frame, 1);
    present_frame(frame, target, FACTOR);

    // Something else on the screen where the frame will not change: a present leaves it.
    const Area untouched = {400, 200, 527, 261};
    rectfill(target, untouched.left, untouched.top, untouched.right, untouched.bottom, stale_colour(depth));

    // Single pixels at the edges of the frame, of the spans and bands that are compared, and
    // neighbours on either side of them.
    const int changes[][2] = {{0, 0},   {31, 5},   {32, 5},    {639, 0},  {15, 15},
                              {16, 16}, {320, 240}, {0, 479}, {639, 479}, {100, 300}};
    for (const auto &at : changes) putpixel(frame, at[0], at[1], pattern(at[0], at[1], 7) ^ 0x1863);
    present_frame(frame, target, FACTOR);
    EXPECT_EQ(wrong_pixels(frame, target, FACTOR, untouched), 0) << "depth " << depth;
    int kept = 0;
    for (int y = untouched.top; y <= untouched.bottom; y++)
      for (int x = untouched.left; x <= untouched.right; x++) kept += getpixel(target, x, y) == stale_colour(depth);
    EXPECT_EQ(kept, 128 * 62) << "an unchanged part of the frame was written again, depth " << depth;

    // After a mode set the screen shows nothing of the frame: all of it is written.
    present_everything_next();
    present_frame(frame, target, FACTOR);
    EXPECT_EQ(wrong_pixels(frame, target, FACTOR), 0) << "after a mode set, depth " << depth;
  }
}

TEST_F(Present, AModeSetAtTheDesktopsDepthLeavesTheGameComposingAt16Bits)
{
  screen_depth = 32;
  ASSERT_TRUE(set_display_mode(false, 1));
  EXPECT_EQ(get_color_depth(), 16);
  BITMAP *made = create_bitmap(4, 4);
  EXPECT_EQ(bitmap_color_depth(made), 16);
  EXPECT_EQ(makecol(255, 255, 255), 0xffff);
  destroy_bitmap(made);
}
