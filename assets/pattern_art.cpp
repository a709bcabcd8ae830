// The four fill patterns with which the playfield floods powered conductors.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"

namespace {

// A 16 x 16 fill pattern of diagonal stripes, which the drawing slides diagonally.
BITMAP *stripes(ResourceItem item, int light, int dark)
{
  BITMAP *picture = new_picture(item, 0);
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 16; x++) {
      const int band = (x + y) % 16;
      const float weight = band < 8 ? band / 8.0f : (16 - band) / 8.0f;
      putpixel(picture, x, y, mix(dark, light, weight));
    }
  return picture;
}

}  // namespace

void make_pattern_from_left(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_LEFT,
              stripes(ITEM_PATTERN_FROM_LEFT, makecol(255, 210, 80), makecol(170, 90, 20)));
}

void make_pattern_from_right(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_RIGHT,
              stripes(ITEM_PATTERN_FROM_RIGHT, makecol(120, 200, 255), makecol(30, 70, 160)));
}

void make_pattern_connected(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_CONNECTED,
              stripes(ITEM_PATTERN_CONNECTED, makecol(255, 255, 220), makecol(240, 160, 30)));
}

void make_pattern_armed(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_ARMED,
              stripes(ITEM_PATTERN_ARMED, makecol(255, 255, 255), makecol(255, 60, 40)));
}
