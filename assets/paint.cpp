#include "assets/paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/palette.h"
#include "assets/typeface.h"

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

// --- Panels of the theme ---



namespace {

void board_texture(BITMAP *picture, int x1, int y1, int x2, int y2, int seed)
{
  const int face = palette::board.colour();
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) {
      // Fine grain plus a coarser mottle of the glass-fibre weave under the mask.
      const float grain = hash_noise(x, y, seed) - 0.5f;
      const float weave = hash_noise(x / 3, y / 3, seed + 1) - 0.5f;
      putpixel(picture, x, y, shade(face, 1.0f + 0.18f * grain + 0.12f * weave));
    }
}

constexpr int VIA_RADIUS = 2;
constexpr int MIN_LEG = 6;  // a trace's legs run at least this far

bool inside(const Area &area, int x, int y)
{
  return x >= area.x1 && x <= area.x2 && y >= area.y1 && y <= area.y2;
}

bool overlap(const Area &a, const Area &b)
{
  return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

Area via_area(int x, int y)
{
  return {x - VIA_RADIUS, y - VIA_RADIUS, x + VIA_RADIUS, y + VIA_RADIUS};
}

// Whether copper at (x, y), a via's width of it, stays out of every area kept clear.
bool clear_of(const std::vector<Area> &keep_clear, int x, int y)
{
  for (const Area &area : keep_clear)
    if (overlap(area, via_area(x, y))) return false;
  return true;
}

void trace_pixel(BITMAP *picture, int x, int y, const Area &board, int colour)
{
  if (inside(board, x, y)) putpixel(picture, x, y, colour);
}

void via(BITMAP *picture, int x, int y, const Area &board)
{
  const Area disc = via_area(x, y);
  if (!inside(board, disc.x1, disc.y1) || !inside(board, disc.x2, disc.y2)) return;
  circlefill(picture, x, y, VIA_RADIUS, palette::pad.colour());
  putpixel(picture, x - 1, y - 1, shade(palette::pad.colour(), 1.3f));
  putpixel(picture, x, y, palette::board_shadow.colour());
}

struct TraceStep {
  int x, y, dx, dy;
};

// A trace runs straight, bends by 45 degrees, runs on and ends in a via. The whole path is
// chosen before any of it is laid, so that a trace cut short by an area kept clear takes as
// many numbers from the random state as a whole one, and the traces after it stay in place.
void trace(BITMAP *picture, const Area &board, const std::vector<Area> &keep_clear,
           uint32_t &state)
{
  auto next = [&state](int range) {
    state = state * 1664525u + 1013904223u;
    return int((state >> 8) % uint32_t(range));
  };
  int x = board.x1 + next(board.x2 - board.x1 + 1), y = board.y1 + next(board.y2 - board.y1 + 1);
  const int horizontal = next(2);
  int dx = horizontal ? (next(2) ? 1 : -1) : 0, dy = horizontal ? 0 : (next(2) ? 1 : -1);
  const int start_x = x, start_y = y;
  std::vector<TraceStep> path;
  for (int leg = 0; leg < 3; leg++) {
    const int length = MIN_LEG + next(28);
    for (int i = 0; i < length; i++) {
      x += dx;
      y += dy;
      path.push_back({x, y, dx, dy});
    }
    if (leg == 0) {  // bend by 45 degrees
      if (dx == 0) dx = next(2) ? 1 : -1;
      else dy = next(2) ? 1 : -1;
    } else if (leg == 1) {  // and straighten again
      if (next(2)) dx = 0;
      else dy = 0;
      if (dx == 0 && dy == 0) dy = 1;
    }
  }
  if (!clear_of(keep_clear, start_x, start_y)) return;
  size_t laid = 0;
  while (laid < path.size() && clear_of(keep_clear, path[laid].x, path[laid].y)) laid++;
  // A stub cut shorter than the shortest leg would only be two vias side by side.
  if (laid < path.size() && laid < MIN_LEG) return;

  via(picture, start_x, start_y, board);
  const int dark = palette::trace.colour(), lit = palette::trace_lit.colour();
  for (size_t i = 0; i < laid; i++) {
    const TraceStep &step = path[i];
    trace_pixel(picture, step.x, step.y, board, dark);
    // The copper's upper-left edge catches the light through the mask.
    trace_pixel(picture, step.x - (step.dy != 0), step.y - (step.dx != 0), board, lit);
  }
  via(picture, path[laid - 1].x, path[laid - 1].y, board);
}

}  // namespace

void circuit_board(BITMAP *picture, int x1, int y1, int x2, int y2, int seed,
                   const std::vector<Area> &keep_clear)
{
  board_texture(picture, x1, y1, x2, y2, seed);
  uint32_t state = uint32_t(seed) * 2654435761u + 7;
  const int traces = std::max(1, (x2 - x1 + 1) * (y2 - y1 + 1) / 900);
  for (int i = 0; i < traces; i++) trace(picture, {x1, y1, x2, y2}, keep_clear, state);
}

void steel_bezel(BITMAP *picture, int x1, int y1, int x2, int y2, int width)
{
  const int steel = palette::steel.colour();
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) {
      const int from_left = x - x1, from_top = y - y1, from_right = x2 - x, from_bottom = y2 - y;
      const int depth = std::min({from_left, from_top, from_right, from_bottom});
      if (depth >= width) continue;
      // Which side the pixel belongs to decides its light: upper and left sides face the lamp.
      const bool horizontal_side =
          std::min(from_top, from_bottom) <= std::min(from_left, from_right);
      const bool lit_side = horizontal_side ? from_top < from_bottom : from_left < from_right;
      // Brushed: streaks along the side.
      const float streak = horizontal_side ? hash_noise(x / 6, y, 91) : hash_noise(x, y / 6, 93);
      float light = (lit_side ? 1.12f : 0.78f) + 0.16f * (streak - 0.5f);
      if (depth == 0) light = lit_side ? 1.55f : 0.45f;               // outer edge
      if (depth == width - 1) light = lit_side ? 0.55f : 1.35f;       // inner edge, turned
      putpixel(picture, x, y, shade(steel, light));
    }
  // Soft corners: the outermost corner pixels are rounded off.
  const int corner = palette::steel_dark.colour();
  putpixel(picture, x1, y1, corner);
  putpixel(picture, x2, y1, corner);
  putpixel(picture, x1, y2, corner);
  putpixel(picture, x2, y2, shade(corner, 0.6f));
}

void recessed_panel(BITMAP *picture, int x1, int y1, int x2, int y2, int face)
{
  vertical_gradient(picture, x1, y1, x2, y2, shade(face, 0.8f), face);
  const int shadow = shade(face, 0.35f);
  hline(picture, x1, y1, x2, shadow);
  vline(picture, x1, y1, y2, shadow);
  hline(picture, x1 + 1, y1 + 1, x2, shade(face, 0.6f));
  vline(picture, x1 + 1, y1 + 1, y2, shade(face, 0.6f));
  hline(picture, x1, y2, x2, shade(face, 1.35f));
  vline(picture, x2, y1, y2, shade(face, 1.2f));
}

namespace {

// The halo is two passes of a box blur of this radius, so it reaches twice as far.
int halo_blur_radius(int pixel_size) { return pixel_size >= 16 ? 3 : 2; }

}  // namespace

Area lettering_area(const char *text, int x, int y, int pixel_size, int align_centre)
{
  if (align_centre) x -= text_width(text, pixel_size) / 2;
  const int baseline = y + text_ascent(pixel_size);
  Area ink{x, baseline, x, baseline};
  for (const char *c = text; *c; c++) {
    const Glyph glyph = render_glyph(*c, pixel_size);
    if (glyph.width > 0) {
      ink.x1 = std::min(ink.x1, x + glyph.left);
      ink.x2 = std::max(ink.x2, x + glyph.left + glyph.width - 1);
      ink.y1 = std::min(ink.y1, baseline - glyph.top);
      ink.y2 = std::max(ink.y2, baseline - glyph.top + glyph.height - 1);
    }
    x += glyph.advance;
  }
  const int reach = 2 * halo_blur_radius(pixel_size);
  return {ink.x1 - reach, ink.y1 - reach, ink.x2 + reach, ink.y2 + reach};
}

void glowing_text(BITMAP *picture, const char *text, int x, int y, int pixel_size, int colour,
                  int glow, int align_centre)
{
  const TextAlign align = align_centre ? ALIGN_CENTRE : ALIGN_LEFT;
  const int w = picture->w, h = picture->h;
  BITMAP *letters = new_canvas(w, h, 0);
  draw_text(letters, text, x, y, pixel_size, makecol(255, 255, 255), align);
  // Two passes of a box blur spread the letters into a halo.
  std::vector<float> halo(w * h), spread(w * h);
  for (int py = 0; py < h; py++)
    for (int px = 0; px < w; px++) halo[py * w + px] = getr(getpixel(letters, px, py)) / 255.0f;
  const int radius = halo_blur_radius(pixel_size);
  for (int pass = 0; pass < 2; pass++) {
    for (int py = 0; py < h; py++)
      for (int px = 0; px < w; px++) {
        float sum = 0;
        for (int k = -radius; k <= radius; k++) {
          const int sx = pass ? px : std::clamp(px + k, 0, w - 1);
          const int sy = pass ? std::clamp(py + k, 0, h - 1) : py;
          sum += halo[sy * w + sx];
        }
        spread[py * w + px] = sum / (2 * radius + 1);
      }
    halo.swap(spread);
  }
  destroy_bitmap(letters);
  for (int py = 0; py < h; py++)
    for (int px = 0; px < w; px++) {
      const float strength = std::min(1.0f, halo[py * w + px] * 1.6f);
      const int under = getpixel(picture, px, py);
      if (strength < 0.02f || under == mask_colour()) continue;
      // The board under the letters is shadowed first, so traces do not run through them.
      putpixel(picture, px, py, mix(shade(under, 1 - 0.55f * strength), glow, strength * 0.6f));
    }
  draw_text(picture, text, x + 1, y + 1, pixel_size, shade(glow, 0.2f), align);
  draw_text(picture, text, x, y, pixel_size, colour, align);
}
