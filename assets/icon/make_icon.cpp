// korvanta_icon <folder> <size>...: draws the game's desktop icon, a lit lamp on a tile of circuit board
// with the power running into it from the left, and writes it as korvanta-SIZE.png at each
// size the desktop picks from. Each size is drawn at twice its size and then halved, which
// smooths the round edges.
#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/icon/png_file.h"
#include "assets/paint.h"
#include "assets/palette.h"

namespace {

constexpr int LAMP_COLOUR = 0;  // amber, the first of the game's lamp colours

// Rounded corners: what lies outside them is left transparent (the mask colour).
void round_corners(BITMAP *picture, int radius)
{
  const int last = picture->w - 1;
  for (int y = 0; y < radius; y++)
    for (int x = 0; x < radius; x++) {
      if (std::hypot(float(radius - x), float(radius - y)) <= radius) continue;
      putpixel(picture, x, y, mask_colour());
      putpixel(picture, last - x, y, mask_colour());
      putpixel(picture, x, last - y, mask_colour());
      putpixel(picture, last - x, last - y, mask_colour());
    }
}

// A lit trace from the tile's left edge to the lamp: a deep glowing band with a bright core.
void powered_trace(BITMAP *picture, int x1, int x2, int y, int width)
{
  rectfill(picture, x1, y - width / 2, x2, y + width / 2, palette::power_connected_deep.colour());
  const int core = std::max(1, width / 3);
  rectfill(picture, x1, y - core / 2, x2, y + core / 2, palette::power_connected.colour());
}

// The lamp: a steel ring lit from the upper left around coloured glass that glows in the
// middle, with the light's reflection in its upper left.
void lit_lamp(BITMAP *picture, int cx, int cy, int radius)
{
  const Rgb &lamp = palette::lamps[LAMP_COLOUR];
  radial_glow(picture, cx, cy, radius * 9 / 4, shade(lamp.colour(), 1.2f), false);
  const float glass = radius * 0.74f;
  for (int y = cy - radius; y <= cy + radius; y++)
    for (int x = cx - radius; x <= cx + radius; x++) {
      const float dx = x - cx, dy = y - cy, distance = std::hypot(dx, dy);
      if (distance > radius) continue;
      // How much the surface faces the light from the upper left, -1 to 1.
      const float facing = distance > 0 ? -(dx + dy) / (distance * std::sqrt(2.0f)) : 0;
      int colour;
      if (distance > glass) {
        const bool outer_half = distance > (radius + glass) / 2;
        colour = mix(palette::steel_shadow.colour(), palette::steel_highlight.colour(),
                     0.5f + 0.45f * (outer_half ? facing : -facing * 0.6f));
      } else {
        const float t = distance / glass;
        colour = mix(lamp.colour(), palette::glow_warm.colour(),
                     std::pow(std::max(0.0f, 1 - t), 0.45f));
        colour = shade(colour, 1.0f - 0.35f * std::max(0.0f, t - 0.7f));  // darker at the ring
        const float to_highlight = std::hypot(dx + glass * 0.38f, dy + glass * 0.4f);
        const float highlight = glass * 0.3f;
        if (to_highlight < highlight)
          colour = mix(colour, makecol(255, 255, 255), 0.9f * (1 - to_highlight / highlight));
      }
      putpixel(picture, x, y, colour);
    }
}

BITMAP *draw_icon(int size)
{
  BITMAP *picture = new_canvas(size, size, mask_colour());
  const int bezel = std::max(2, size / 22);
  circuit_board(picture, 0, 0, size - 1, size - 1, 7);
  steel_bezel(picture, 0, 0, size - 1, size - 1, bezel);
  const int centre = size / 2, lamp_radius = size * 27 / 100;
  powered_trace(picture, bezel, centre, centre, std::max(4, size / 11));
  lit_lamp(picture, centre + size / 10, centre, lamp_radius);
  round_corners(picture, size / 8);
  return picture;
}

// Halves the picture, each pixel the mean of four: colours weighted by their opacity, so
// the transparent mask colour never bleeds into the edges.
std::vector<std::uint8_t> halved_rgba(BITMAP *picture)
{
  const int size = picture->w / 2;
  std::vector<std::uint8_t> pixels;
  pixels.reserve(size_t(size) * size * 4);
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      int r = 0, g = 0, b = 0, opaque = 0;
      for (int i = 0; i < 4; i++) {
        const int colour = getpixel(picture, 2 * x + i % 2, 2 * y + i / 2);
        if (colour == mask_colour()) continue;
        r += getr32(colour), g += getg32(colour), b += getb32(colour), opaque++;
      }
      const int shared = std::max(opaque, 1);
      pixels.insert(pixels.end(), {std::uint8_t(r / shared), std::uint8_t(g / shared),
                                   std::uint8_t(b / shared), std::uint8_t(opaque * 255 / 4)});
    }
  return pixels;
}

}  // namespace

int main(int argc, char **argv)
{
  if (argc < 3) {
    fprintf(stderr, "usage: korvanta_icon <output folder> <size>...\n");
    return 2;
  }
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);

  for (int i = 2; i < argc; i++) {
    const int size = atoi(argv[i]);
    BITMAP *picture = draw_icon(size * 2);
    const std::string path = std::string(argv[1]) + "/korvanta-" + std::to_string(size) + ".png";
    const bool written = write_png(path.c_str(), size, size, halved_rgba(picture));
    destroy_bitmap(picture);
    if (!written) {
      fprintf(stderr, "korvanta_icon: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
