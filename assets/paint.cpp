#include "assets/paint.h"

#include <algorithm>
#include <cmath>

int mask_colour() { return makecol(255, 0, 255); }

BITMAP *new_canvas(int width, int height, int fill)
{
  BITMAP *picture = create_bitmap_ex(32, width, height);
  clear_to_color(picture, fill);
  return picture;
}

BITMAP *new_picture(ResourceItem item, int fill)
{
  return new_canvas(RESOURCE_CATALOGUE[item].width, RESOURCE_CATALOGUE[item].height, fill);
}

int shade(int colour, float factor)
{
  auto channel = [factor](int value) {
    const float scaled = factor <= 1 ? value * factor : value + (255 - value) * (factor - 1);
    return std::clamp(static_cast<int>(scaled + 0.5f), 0, 255);
  };
  return makecol(channel(getr(colour)), channel(getg(colour)), channel(getb(colour)));
}

int mix(int a, int b, float weight_of_b)
{
  auto channel = [weight_of_b](int x, int y) {
    return std::clamp(static_cast<int>(x + (y - x) * weight_of_b + 0.5f), 0, 255);
  };
  return makecol(channel(getr(a), getr(b)), channel(getg(a), getg(b)), channel(getb(a), getb(b)));
}

void vertical_gradient(BITMAP *picture, int x1, int y1, int x2, int y2, int top, int bottom)
{
  for (int y = y1; y <= y2; y++) {
    const float weight = y2 == y1 ? 0 : float(y - y1) / (y2 - y1);
    hline(picture, x1, y, x2, mix(top, bottom, weight));
  }
}

void bevel_panel(BITMAP *picture, int x1, int y1, int x2, int y2, int face)
{
  vertical_gradient(picture, x1, y1, x2, y2, shade(face, 1.25f), shade(face, 0.75f));
  hline(picture, x1, y1, x2, shade(face, 1.6f));
  vline(picture, x1, y1, y2, shade(face, 1.4f));
  hline(picture, x1, y2, x2, shade(face, 0.4f));
  vline(picture, x2, y1, y2, shade(face, 0.5f));
}

void radial_glow(BITMAP *picture, int cx, int cy, int radius, int colour, bool masked)
{
  for (int y = cy - radius; y <= cy + radius; y++)
    for (int x = cx - radius; x <= cx + radius; x++) {
      const float distance = std::hypot(float(x - cx), float(y - cy)) / radius;
      if (distance > 1) continue;
      const float strength = (1 - distance) * (1 - distance);
      const int under = getpixel(picture, x, y);
      if (masked && under == mask_colour()) {
        // Over nothing the glow is drawn translucently as a whole: a dark rim would darken
        // what lies under it. Its edge thins out in an ordered dither instead.
        static const int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        if (strength * 2.5f * 16 > BAYER[y & 3][x & 3] + 0.5f)
          putpixel(picture, x, y, mix(colour, makecol(255, 255, 255), strength));
        continue;
      }
      putpixel(picture, x, y, mix(under, colour, strength));
    }
}

float hash_noise(int x, int y, int seed)
{
  unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + unsigned(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffff) / 65535.0f;
}

void brushed_steel(BITMAP *picture, int x1, int y1, int x2, int y2, int face, int edge, int seed)
{
  const int height = std::max(1, y2 - y1);
  for (int y = y1; y <= y2; y++) {
    // Grain runs along the rows: each row has its own tone, broken up by long streaks.
    const float row_tone = 0.94f + 0.1f * hash_noise(0, y, seed);
    const float light = 1.12f - 0.26f * float(y - y1) / height;
    for (int x = x1; x <= x2; x++) {
      const float streak = hash_noise(x / 7, y, seed + 1) * 0.06f + hash_noise(x, y, seed + 2) * 0.05f;
      putpixel(picture, x, y, shade(face, light * row_tone + streak - 0.05f));
    }
  }
  for (int ring = 0; ring < edge; ring++) {
    const float fade = 1.0f - float(ring) / edge;
    const int lit = shade(face, 1.0f + 0.55f * fade), dark = shade(face, 1.0f - 0.55f * fade);
    hline(picture, x1 + ring, y1 + ring, x2 - ring, lit);
    vline(picture, x1 + ring, y1 + ring, y2 - ring, lit);
    hline(picture, x1 + ring + 1, y2 - ring, x2 - ring, dark);
    vline(picture, x2 - ring, y1 + ring + 1, y2 - ring, dark);
  }
}

void sunken_well(BITMAP *picture, int x1, int y1, int x2, int y2, int floor)
{
  rectfill(picture, x1, y1, x2, y2, floor);
  for (int ring = 0; ring < 3; ring++) {
    const int dark = shade(floor, 0.35f + 0.2f * ring);
    hline(picture, x1, y1 + ring, x2 - ring, dark);
    vline(picture, x1 + ring, y1, y2 - ring, dark);
  }
  hline(picture, x1 + 1, y2, x2, shade(floor, 1.3f));
  vline(picture, x2, y1 + 1, y2, shade(floor, 1.3f));
}
