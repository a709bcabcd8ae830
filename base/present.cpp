#include "base/present.h"

#include <cstdint>
#include <cstring>

#include "base/global_bitmaps.h"

namespace {

// Rows are compared in spans of this many game pixels, and each run of changed spans in a band
// of rows goes to the screen as one rectangle: narrow enough that a blinking highlight does
// not carry its whole row along, wide enough that a frame changed all over takes few copies.
constexpr int SPAN_WIDTH = 32;
constexpr int SPANS = SCREEN_WIDTH / SPAN_WIDTH;
constexpr int BAND_HEIGHT = 16;  // game rows
constexpr int TRUE_COLOUR_DEPTH = 32;

struct Presenter {
  BITMAP *target = nullptr;  // what was presented to last, at which factor and depth
  int factor = 0;
  int target_depth = 0;
  bool everything = true;    // the next present writes the whole frame
  BITMAP *shown = nullptr;   // the frame presented last, in game pixels
  BITMAP *band = nullptr;    // one band's rectangles, scaled, at the depth they are copied from
};

Presenter presenter;

// Every 16-bit colour as a 32-bit screen holds it; made again with each new screen, since the
// library learns the screen's order of red, green and blue when it opens it.
uint32_t colour_at_32[1 << 16];

void fill_colour_table()
{
  for (int colour = 0; colour < (1 << 16); colour++)
    colour_at_32[colour] = static_cast<uint32_t>(makecol32(getr16(colour), getg16(colour), getb16(colour)));
}

const uint16_t *frame_row(BITMAP *frame, int y) { return reinterpret_cast<const uint16_t *>(frame->line[y]); }
uint16_t *shown_row(int y) { return reinterpret_cast<uint16_t *>(presenter.shown->line[y]); }

// A band of rows: which spans changed, and the first and last row that did (-1 when none).
struct BandChanges {
  bool span[SPANS];
  int first_row, last_row;
};

// Compares a band of the frame with what was shown and takes the frame's rows as shown.
BandChanges take_band_changes(BITMAP *frame, int top)
{
  constexpr size_t ROW_BYTES = SCREEN_WIDTH * sizeof(uint16_t);
  constexpr size_t SPAN_BYTES = SPAN_WIDTH * sizeof(uint16_t);
  BandChanges changes = {};
  changes.first_row = changes.last_row = -1;
  for (int y = top; y < top + BAND_HEIGHT; y++) {
    const uint16_t *now = frame_row(frame, y);
    uint16_t *was = shown_row(y);
    if (!presenter.everything && memcmp(now, was, ROW_BYTES) == 0) continue;
    for (int span = 0; span < SPANS; span++)
      if (presenter.everything || memcmp(now + span * SPAN_WIDTH, was + span * SPAN_WIDTH, SPAN_BYTES) != 0)
        changes.span[span] = true;
    memcpy(was, now, ROW_BYTES);
    if (changes.first_row < 0) changes.first_row = y;
    changes.last_row = y;
  }
  return changes;
}

struct At32Bits {
  uint32_t operator()(uint16_t colour) const { return colour_at_32[colour]; }
};
struct As16Bits {
  uint16_t operator()(uint16_t colour) const { return colour; }
};

// One game row's pixels, each written Factor times.
template <int Factor, typename Pixel, typename Colour>
void widen_row(const uint16_t *from, Pixel *to, int count, Colour colour)
{
  for (int i = 0; i < count; i++) {
    const Pixel pixel = colour(from[i]);
    for (int copy = 0; copy < Factor; copy++) *to++ = pixel;
  }
}

// The rectangle of the frame at (x, y), w x h game pixels, into the band's top left rows at
// x times the factor: each game row widened once, then copied to the rows below it.
template <int Factor, typename Pixel, typename Colour>
void scale_into_band(BITMAP *frame, int x, int y, int w, int h, Colour colour)
{
  const size_t row_bytes = static_cast<size_t>(w) * Factor * sizeof(Pixel);
  for (int row = 0; row < h; row++) {
    Pixel *const to = reinterpret_cast<Pixel *>(presenter.band->line[row * Factor]) + x * Factor;
    widen_row<Factor>(frame_row(frame, y + row) + x, to, w, colour);
    for (int copy = 1; copy < Factor; copy++)
      memcpy(reinterpret_cast<Pixel *>(presenter.band->line[row * Factor + copy]) + x * Factor, to, row_bytes);
  }
}

template <typename Pixel, typename Colour>
void scale_into_band(BITMAP *frame, int x, int y, int w, int h, Colour colour)
{
  switch (presenter.factor) {
  case 1: scale_into_band<1, Pixel>(frame, x, y, w, h, colour); break;
  case 2: scale_into_band<2, Pixel>(frame, x, y, w, h, colour); break;
  default: scale_into_band<3, Pixel>(frame, x, y, w, h, colour); break;
  }
}

// One rectangle of game pixels, scaled in the band and copied from there to the screen. A
// screen of neither depth we write gets 16-bit pixels, which the library converts.
void present_rectangle(BITMAP *frame, BITMAP *target, int x, int y, int w, int h)
{
  if (bitmap_color_depth(presenter.band) == TRUE_COLOUR_DEPTH)
    scale_into_band<uint32_t>(frame, x, y, w, h, At32Bits{});
  else
    scale_into_band<uint16_t>(frame, x, y, w, h, As16Bits{});
  const int factor = presenter.factor;
  blit(presenter.band, target, x * factor, 0, x * factor, y * factor, w * factor, h * factor);
}

void present_band(BITMAP *frame, BITMAP *target, int top)
{
  const BandChanges changes = take_band_changes(frame, top);
  if (changes.first_row < 0) return;
  const int height = changes.last_row - changes.first_row + 1;
  for (int span = 0; span < SPANS;) {
    if (!changes.span[span]) {
      span++;
      continue;
    }
    int end = span + 1;
    while (end < SPANS && changes.span[end]) end++;
    present_rectangle(frame, target, span * SPAN_WIDTH, changes.first_row, (end - span) * SPAN_WIDTH, height);
    span = end;
  }
}

// Made for each new screen (a mode set), never during play: the band at the screen's depth
// and factor, the colour table, and the copy of what is shown.
void prepare(BITMAP *target, int factor)
{
  const int depth = bitmap_color_depth(target);
  const int band_depth = presenting_depth(depth);
  if (!presenter.shown) presenter.shown = create_bitmap_ex(COMPOSED_DEPTH, SCREEN_WIDTH, SCREEN_HEIGHT);
  if (presenter.band) destroy_bitmap(presenter.band);
  presenter.band = create_bitmap_ex(band_depth, SCREEN_WIDTH * factor, BAND_HEIGHT * factor);
  if (band_depth == TRUE_COLOUR_DEPTH) fill_colour_table();
  presenter.target = target;
  presenter.factor = factor;
  presenter.target_depth = depth;
  presenter.everything = true;
}

}  // namespace

int presenting_depth(int desktop_depth)
{
  return desktop_depth == TRUE_COLOUR_DEPTH ? TRUE_COLOUR_DEPTH : COMPOSED_DEPTH;
}

void present_everything_next() { presenter.target = nullptr; }

void present_frame(BITMAP *frame, BITMAP *target, int factor)
{
  if (target != presenter.target || factor != presenter.factor ||
      bitmap_color_depth(target) != presenter.target_depth)
    prepare(target, factor);

  // Without memory for the band the library stretches the whole frame, converting as it goes.
  if (!presenter.shown || !presenter.band) {
    stretch_blit(frame, target, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, SCREEN_WIDTH * factor,
                 SCREEN_HEIGHT * factor);
    presenter.target = nullptr;
    return;
  }

  // Held across the copies, so that the library's own thread does not take the screen's
  // lock between every two of them.
  acquire_bitmap(target);
  for (int top = 0; top < SCREEN_HEIGHT; top += BAND_HEIGHT) present_band(frame, target, top);
  release_bitmap(target);
  presenter.everything = false;
}
