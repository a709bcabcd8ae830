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
  const int hot = makecol(255, 255, 255);
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
    hline(picture, x0 + position, a, x0 + position + 5, hot);
    hline(picture, x0 + b - position + a - 5, b, x0 + b - position + a, hot);
  } else {
    vline(picture, x0 + b, position, position + 5, hot);
    vline(picture, x0 + a, b - position + a - 5, b - position + a, hot);
  }
}

// A fresh lamp as the carrier brings it: clear glass, its colour still unlit; the colour mark
// on the carrier tells which colour it will burn.
void fresh_lamp(BITMAP *picture, int cx, int cy)
{
  const int glass = mix(palette::steel_light.colour(), palette::accent.colour(), 0.2f);
  circlefill(picture, cx, cy, 9, palette::steel_dark.colour());
  circlefill(picture, cx, cy, 8, shade(glass, 0.55f));
  circlefill(picture, cx - 1, cy - 1, 6, shade(glass, 0.8f));
  circlefill(picture, cx - 2, cy - 2, 3, glass);
  circlefill(picture, cx - 3, cy - 3, 1, palette::steel_highlight.colour());
}

// The carrier: a small steel crane head on a cable, its claws hooked under the lamp it holds,
// with the socket for the lamp's colour mark on its left arm. Arriving it brings a fresh lamp;
// leaving, the game draws the old lamp in its claws.
void carrier_frame(BITMAP *picture, int x0, bool arriving)
{
  const int steel = palette::steel.colour(), dark = palette::steel_shadow.colour();
  if (arriving) fresh_lamp(picture, x0 + 19, 10);
  // The cable and the yoke it hangs from, with a cyan running light along its underside.
  vline(picture, x0 + 17, 0, 2, palette::steel_dark.colour());
  vline(picture, x0 + 18, 0, 2, palette::steel_light.colour());
  brushed_steel(picture, x0 + 1, 1, x0 + 34, 5, steel, 1, 51);
  hline(picture, x0 + 11, 4, x0 + 25, arriving ? palette::accent.colour() : palette::caption.colour());
  for (int side : {0, 1}) {
    const int ax = side ? x0 + 30 : x0 + 1;
    brushed_steel(picture, ax, 4, ax + 4, 22, steel, 1, 52 + side);
    // The claw's hook bends inwards under the lamp.
    const int hx1 = side ? ax - 4 : ax, hx2 = side ? ax + 4 : ax + 8;
    brushed_steel(picture, hx1, 21, hx2, 24, palette::steel_dark.colour(), 1, 54 + side);
    hline(picture, hx1, 25, hx2, dark);
  }
  // The colour-mark socket around (5, 7), 4 x 6, where the game lays the mark.
  rect(picture, x0 + 4, 6, x0 + 9, 13, dark);
  rectfill(picture, x0 + 5, 7, x0 + 8, 12, palette::well_floor.colour());
}

}  // namespace

void make_sparks(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_SPARKS, mask_colour());
  spark(picture, 0 * SPARK, 4, true, true);
  spark(picture, 1 * SPARK, 3, false, true);
  spark(picture, 2 * SPARK, 4, true, false);
  spark(picture, 3 * SPARK, 2, true, true);
  spark(picture, 4 * SPARK, 4, false, true);
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
  carrier_frame(picture, 0, true);
  carrier_frame(picture, CARRIER_WIDTH, false);
  out.picture(ITEM_CARRIER, picture);
}
