// The small moving sprites of the playfield: sparks, the cursor and the lamp carrier.
#include "assets/art.h"

#include <algorithm>
#include <initializer_list>

#include "assets/paint.h"
#include "assets/palette.h"

namespace {

constexpr int SPARK = 10, CURSOR = 42, CARRIER_WIDTH = 36;

// A spark of a burnt-out lamp: a white-hot point with arms of hot gold, in five shapes that
// the game picks at random each frame, so that falling sparks crackle.
void spark(BITMAP *picture, int x0, int arm, bool diagonal, bool cross)
{
  const int hot = palette::power_armed.colour(), gold = palette::caption.colour();
  const int ember = palette::warning.colour();
  const int c = 4;
  for (int i = 1; i <= arm; i++) {
    const int colour = i == 1 ? gold : i == arm ? ember : mix(gold, ember, 0.5f);
    if (cross) {
      putpixel(picture, x0 + c - i, c, colour);
      putpixel(picture, x0 + c + i, c, colour);
      putpixel(picture, x0 + c, c - i, colour);
      putpixel(picture, x0 + c, c + i, colour);
    }
    if (diagonal && i < arm) {
      putpixel(picture, x0 + c - i, c - i, colour);
      putpixel(picture, x0 + c + i, c + i, colour);
      putpixel(picture, x0 + c + i, c - i, colour);
      putpixel(picture, x0 + c - i, c + i, colour);
    }
  }
  putpixel(picture, x0 + c, c, hot);
  putpixel(picture, x0 + c + 1, c, hot);
  putpixel(picture, x0 + c, c + 1, mix(hot, gold, 0.4f));
}

// One frame of the cursor: a gold frame around the cell with heavier corner brackets, outlined
// in black so that it reads on the dark well and on the bright steel tiles alike. A white
// glint runs round it from frame to frame.
void cursor_frame(BITMAP *picture, int x0, int inset, int glint)
{
  const int gold = makecol(255, 206, 118), outline = palette::board_shadow.colour();
  const int hot = palette::power_armed.colour();
  const int a = inset, b = CURSOR - 1 - inset;
  // Outline first, the frame itself over it.
  rect(picture, x0 + a - 1, a - 1, x0 + b + 1, b + 1, outline);
  rect(picture, x0 + a + 2, a + 2, x0 + b - 2, b - 2, outline);
  constexpr int BRACKET = 9;
  for (int sx : {0, 1})
    for (int sy : {0, 1}) {
      const int cx = sx ? b : a, cy = sy ? b : a, dx = sx ? -1 : 1, dy = sy ? -1 : 1;
      rectfill(picture, x0 + cx - dx, cy - dy, x0 + cx + dx * (BRACKET + 1), cy + dy * 4, outline);
      rectfill(picture, x0 + cx - dx, cy - dy, x0 + cx + dx * 4, cy + dy * (BRACKET + 1), outline);
    }
  for (int ring = 0; ring < 2; ring++)
    rect(picture, x0 + a + ring, a + ring, x0 + b - ring, b - ring, gold);
  for (int sx : {0, 1})
    for (int sy : {0, 1}) {
      const int cx = sx ? b : a, cy = sy ? b : a, dx = sx ? -1 : 1, dy = sy ? -1 : 1;
      rectfill(picture, x0 + cx, cy, x0 + cx + dx * BRACKET, cy + dy * 3, gold);
      rectfill(picture, x0 + cx, cy, x0 + cx + dx * 3, cy + dy * BRACKET, gold);
      // Lit from the upper left: the brackets' outer top-left edges catch the light.
      if (!sx && !sy) {
        hline(picture, x0 + cx, cy, x0 + cx + BRACKET, hot);
        vline(picture, x0 + cx, cy, cy + BRACKET, hot);
      }
    }
  // The glint: a short white stretch of the frame's top, right, bottom or left side.
  const int length = b - a - 2 * BRACKET, start = a + BRACKET + 1;
  const int position = start + (glint * length) / 5;
  if (glint % 2 == 0) {
    hline(picture, x0 + position, a, x0 + position + 3, hot);
    hline(picture, x0 + b - position + a - 3, b, x0 + b - position + a, hot);
  } else {
    vline(picture, x0 + b, position, position + 3, hot);
    vline(picture, x0 + a, b - position + a - 3, b - position + a, hot);
  }
}

// The carrier: a small steel crane head on a cable, with the socket for the lamp's colour
// mark on its left arm. Arriving its claws hang open; leaving they grip the lamp it takes.
void carrier_frame(BITMAP *picture, int x0, bool gripping)
{
  const int steel = palette::steel.colour(), dark = palette::steel_shadow.colour();
  // The cable and the yoke it hangs from.
  vline(picture, x0 + 17, 0, 3, palette::steel_dark.colour());
  vline(picture, x0 + 18, 0, 3, palette::steel_light.colour());
  brushed_steel(picture, x0 + 4, 2, x0 + 31, 6, steel, 1, 51);
  // The arms: gripping, they run straight down beside the lamp and hook under it.
  const int spread = gripping ? 0 : 1;
  for (int side : {0, 1}) {
    const int ax = side ? x0 + 31 + spread : x0 + 1 - spread;
    brushed_steel(picture, ax, 4, ax + 3, 21, steel, 1, 52 + side);
    const int hook_from = side ? ax - 3 : ax + 3, hook_to = side ? ax : ax + 6;
    rectfill(picture, std::min(hook_from, hook_to), 20, std::max(hook_from, hook_to), 23,
             palette::steel_dark.colour());
    hline(picture, std::min(hook_from, hook_to), 20, std::max(hook_from, hook_to),
          palette::steel_light.colour());
    hline(picture, std::min(hook_from, hook_to), 24, std::max(hook_from, hook_to), dark);
  }
  // The colour-mark socket at (5, 7), 4 x 6: a dark frame the mark is laid into.
  rect(picture, x0 + 4, 6, x0 + 9, 13, dark);
  rectfill(picture, x0 + 5, 7, x0 + 8, 12, palette::well_floor.colour());
  // A status light on the yoke: cyan while carrying a lamp in, gold taking one away.
  const int light = gripping ? palette::caption.colour() : palette::accent.colour();
  putpixel(picture, x0 + 24, 4, light);
  putpixel(picture, x0 + 25, 4, shade(light, 0.7f));
}

}  // namespace

void make_sparks(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_SPARKS, mask_colour());
  spark(picture, 0 * SPARK, 4, true, true);
  spark(picture, 1 * SPARK, 3, false, true);
  spark(picture, 2 * SPARK, 4, true, false);
  spark(picture, 3 * SPARK, 2, true, true);
  spark(picture, 4 * SPARK, 5, false, true);
  out.picture(ITEM_SPARKS, picture);
}

void make_cursor(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_CURSOR, mask_colour());
  const int insets[5] = {3, 2, 2, 3, 4};  // the frame breathes in and out
  for (int frame = 0; frame < 5; frame++) cursor_frame(picture, CURSOR * frame, insets[frame], frame);
  out.picture(ITEM_CURSOR, picture);
}

void make_carrier(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_CARRIER, mask_colour());
  carrier_frame(picture, 0, false);
  carrier_frame(picture, CARRIER_WIDTH, true);
  out.picture(ITEM_CARRIER, picture);
}
