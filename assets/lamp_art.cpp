// The lamps: the sprite sheet of sockets and lit lamps, the glow and flash over a lamp being
// replaced, the background of the point sprites and the colour marks of the lamp column.
#include "assets/art.h"

#include <algorithm>
#include <cmath>

#include "assets/paint.h"
#include "assets/palette.h"

namespace {

constexpr int LAMP_SIZE = 22;
constexpr float LAMP_CENTRE = 10.5f;  // the middle of a 22-pixel cell lies between pixels
constexpr float BEZEL_OUTER = 10.7f;
constexpr float GLASS_RADIUS = 8.0f;

// Where a point of a lamp lies: distance from the centre, and how much its surface faces the
// light from the upper left (-1 facing away, 1 facing it).
struct LampPoint {
  float distance;
  float facing_light;
};

LampPoint lamp_point(int x, int y)
{
  const float dx = x - LAMP_CENTRE, dy = y - LAMP_CENTRE;
  const float distance = std::hypot(dx, dy);
  const float facing = distance > 0 ? -(dx + dy) / (distance * std::sqrt(2.0f)) : 0;
  return {distance, facing};
}

// The steel ring every lamp sits in, lit from the upper left like the board's frames.
int bezel_colour(const LampPoint &point)
{
  const int dark = palette::steel_shadow.colour(), light = palette::steel_highlight.colour();
  // The ring is rounded: its outer half faces the light one way, its inner half the other.
  const bool outer_half = point.distance > (BEZEL_OUTER + GLASS_RADIUS) / 2;
  const float facing = outer_half ? point.facing_light : -point.facing_light * 0.6f;
  int colour = mix(dark, light, 0.5f + 0.45f * facing);
  if (point.distance > BEZEL_OUTER - 0.9f) colour = shade(colour, 0.6f);  // the rim's edge
  return colour;
}

// The glass of a lamp: `core` is the colour it has in the middle, `body` towards its edge.
// Glass gathers light in the middle, darkens towards the ring, shows the light's reflection
// in the upper left and the light passing through it on the lower right.
int glass_colour(int x, int y, const LampPoint &point, int core, int body)
{
  const float t = point.distance / GLASS_RADIUS;
  int colour = mix(body, core, std::pow(std::max(0.0f, 1 - t), 1.1f));
  colour = shade(colour, 1.0f - 0.5f * std::max(0.0f, t - 0.55f));
  const float through = std::max(0.0f, -point.facing_light) * std::clamp((t - 0.5f) * 2.5f, 0.0f, 1.0f);
  colour = mix(colour, mix(body, core, 0.7f), through * 0.7f);
  const float to_highlight = std::hypot(x - (LAMP_CENTRE - 3.0f), y - (LAMP_CENTRE - 3.2f));
  if (to_highlight < 3.2f)
    colour = mix(colour, makecol(255, 255, 255), std::min(0.95f, (3.2f - to_highlight) * 0.45f));
  return colour;
}

void draw_lamp_cell(BITMAP *picture, int x0, int y0, int core, int body)
{
  for (int y = 0; y < LAMP_SIZE; y++)
    for (int x = 0; x < LAMP_SIZE; x++) {
      const LampPoint point = lamp_point(x, y);
      if (point.distance > BEZEL_OUTER) continue;
      const int colour = point.distance < GLASS_RADIUS ? glass_colour(x, y, point, core, body)
                                                        : bezel_colour(point);
      putpixel(picture, x0 + x, y0 + y, colour);
    }
}

void draw_lit_lamp(BITMAP *picture, int x0, int y0, int colour, bool brighter)
{
  const int white = makecol(255, 255, 255);
  // The two looks of a colour alternate at random while it glows: the filament flickers.
  const int core = mix(colour, white, brighter ? 0.85f : 0.65f);
  const int body = shade(colour, brighter ? 1.05f : 0.92f);
  draw_lamp_cell(picture, x0, y0, core, body);
}

void draw_socket(BITMAP *picture, int x0, int y0)
{
  const int glass = palette::glass_dark.colour();
  draw_lamp_cell(picture, x0, y0, mix(glass, palette::steel_dark.colour(), 0.5f), glass);
  // Dark glass reflects less than a lit lamp: a dimmer highlight.
  for (int y = 0; y < LAMP_SIZE; y++)
    for (int x = 0; x < LAMP_SIZE; x++) {
      const int under = getpixel(picture, x0 + x, y0 + y);
      if (lamp_point(x, y).distance < GLASS_RADIUS)
        putpixel(picture, x0 + x, y0 + y, mix(glass, under, 0.6f));
    }
}

// A new lamp on its way in is still dark: clear glass with its filament showing.
void draw_new_lamp(BITMAP *picture, int x0, int y0, const Rgb &tint)
{
  const int glass = mix(palette::steel_dark.colour(), tint.colour(), 0.5f);
  draw_lamp_cell(picture, x0, y0, mix(glass, makecol(255, 255, 255), 0.35f), shade(glass, 0.7f));
  const int filament = palette::copper_light.colour();
  for (int x = 7; x <= 14; x++) putpixel(picture, x0 + x, y0 + 11 + ((x & 1) ? -1 : 0), filament);
  vline(picture, x0 + 7, y0 + 11, y0 + 15, shade(filament, 0.7f));
  vline(picture, x0 + 14, y0 + 11, y0 + 15, shade(filament, 0.7f));
}

// Over nothing a glow cannot fade by getting darker, since it is laid over whatever lies under
// it: it thins out in an ordered dither instead, and each drawn pixel stays light.
bool dither_covers(int x, int y, float coverage)
{
  static const int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return coverage * 16 > BAYER[y & 3][x & 3] + 0.5f;
}

// The glow and flash are laid over a lamp whose middle lies at this point of their picture.
constexpr float HALO_CENTRE_X = 18.5f, HALO_CENTRE_Y = 15.5f;

template <typename Strength>
BITMAP *halo(ResourceItem item, int edge_colour, Strength strength)
{
  BITMAP *picture = new_picture(item, mask_colour());
  const int white = makecol(255, 255, 255);
  for (int y = 0; y < picture->h; y++)
    for (int x = 0; x < picture->w; x++) {
      const float s = std::clamp(strength(x - HALO_CENTRE_X, y - HALO_CENTRE_Y), 0.0f, 1.0f);
      if (s > 0 && dither_covers(x, y, s * 2.2f)) putpixel(picture, x, y, mix(edge_colour, white, s));
    }
  return picture;
}

}  // namespace

int lamp_colour(int index) { return palette::lamps[index].colour(); }

void make_lamp_sheet(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LAMP_SHEET, mask_colour());
  draw_socket(picture, 0, 0);
  // The lamps being brought in as replacements, one look per replacement value.
  draw_new_lamp(picture, 0, 22, palette::steel_highlight);
  draw_new_lamp(picture, 24, 22, palette::accent);
  draw_new_lamp(picture, 24, 0, palette::glow_warm);
  for (int colour = 0; colour < 6; colour++)
    for (int look = 0; look < 2; look++)
      draw_lit_lamp(picture, 24 * look, 44 + 22 * colour, lamp_colour(colour), look == 1);
  out.picture(ITEM_LAMP_SHEET, picture);
}

void make_lamp_glow(ItemOutput &out)
{
  out.picture(ITEM_LAMP_GLOW, halo(ITEM_LAMP_GLOW, palette::glow_warm.colour(), [](float dx, float dy) {
                const float fade = std::max(0.0f, 1 - std::hypot(dx, dy) / 16.5f);
                return fade * fade * 1.2f;
              }));
}

void make_lamp_flash(ItemOutput &out)
{
  // A white burst with four short rays, as the new lamp lights up.
  out.picture(ITEM_LAMP_FLASH, halo(ITEM_LAMP_FLASH, makecol(255, 255, 255), [](float dx, float dy) {
                const float d = std::hypot(dx, dy);
                const float burst = std::pow(std::max(0.0f, 1 - d / 11.0f), 1.5f);
                const float along = std::max(std::fabs(dx), std::fabs(dy));
                const float across = std::min(std::fabs(dx), std::fabs(dy));
                const float ray = std::max(0.0f, 1 - along / 16.0f) * std::max(0.0f, 1 - across / 1.6f);
                return std::max(burst, ray);
              }));
}

void make_points_background(ItemOutput &out)
{
  // A small bevelled coin with a pale face, so that the blue number on it reads well.
  BITMAP *picture = new_picture(ITEM_POINTS_BACKGROUND, mask_colour());
  const float centre = 9.5f, outer = 9.7f, face = 7.6f;
  const int rim = palette::coin_rim.colour(), coin = palette::coin_face.colour();
  for (int y = 0; y < picture->h; y++)
    for (int x = 0; x < picture->w; x++) {
      const float dx = x - centre, dy = y - centre, d = std::hypot(dx, dy);
      if (d > outer) continue;
      const float facing = d > 0 ? -(dx + dy) / (d * std::sqrt(2.0f)) : 0;
      int colour;
      if (d >= face) {
        colour = shade(rim, 1.0f + 0.35f * facing);
        if (d > outer - 0.9f) colour = shade(colour, 0.55f);
      } else {
        // The face is sunk into the rim: a little darker below the upper-left edge.
        colour = d > face - 1.2f && facing > 0.3f ? shade(coin, 0.88f) : coin;
      }
      putpixel(picture, x, y, colour);
    }
  out.picture(ITEM_POINTS_BACKGROUND, picture);
}

void make_colour_chips(ItemOutput &out)
{
  // Each mark is a little lit tab: light top edge, shaded bottom edge.
  BITMAP *picture = new_picture(ITEM_COLOUR_CHIPS, 0);
  for (int colour = 0; colour < 6; colour++) {
    const int c = lamp_colour(colour), top = 6 * colour;
    rectfill(picture, 0, top, 3, top + 5, c);
    hline(picture, 0, top, 3, mix(c, makecol(255, 255, 255), 0.5f));
    vline(picture, 0, top + 1, top + 4, mix(c, makecol(255, 255, 255), 0.2f));
    hline(picture, 0, top + 5, 3, shade(c, 0.55f));
    vline(picture, 3, top + 1, top + 4, shade(c, 0.8f));
  }
  out.picture(ITEM_COLOUR_CHIPS, picture);
}
