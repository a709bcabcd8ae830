// The game's three fonts, written as Allegro bitmap-font grids: characters 32..126 in boxes
// of index 0 (transparent) separated by index 255. They are 8-bit colour fonts: printed with
// colour -1 they show their own colours, through the library's default palette, which the
// screen keeps; printed with a colour they take that colour (the library ignores the colour
// for hicolour fonts, so these must stay 8-bit). Glyph pixels are opaque, since masked text
// has no partial transparency.
#include "assets/art.h"

#include <algorithm>
#include <vector>

#include "assets/paint.h"
#include "assets/typeface.h"

namespace {

constexpr int FIRST_CHARACTER = 32, LAST_CHARACTER = 126, PER_ROW = 16;
constexpr int OPAQUE_COVERAGE = 100;

struct FontStyle {
  int pixel_size;
  int top_colour, bottom_colour;
  int outline_colour;  // -1 for none
};

// The default palette's entry closest to a colour, leaving out 0 (transparent) and 255
// (the grid lines).
int palette_index(int colour)
{
  int best = 1, best_distance = 1 << 30;
  for (int i = 1; i < 255; i++) {
    const int dr = default_palette[i].r * 4 - getr32(colour);
    const int dg = default_palette[i].g * 4 - getg32(colour);
    const int db = default_palette[i].b * 4 - getb32(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) best = i, best_distance = distance;
  }
  return best;
}

struct Cell {
  Glyph glyph;
  int width;
};

BITMAP *font_grid(const FontStyle &style)
{
  const int pad = style.outline_colour >= 0 ? 1 : 0;
  const int ascent = text_ascent(style.pixel_size);
  const int height = style.pixel_size * 5 / 4 + 2 * pad;

  std::vector<Cell> cells;
  for (int c = FIRST_CHARACTER; c <= LAST_CHARACTER; c++) {
    Glyph glyph = render_glyph(c, style.pixel_size);
    const int width = std::max({1, glyph.advance, glyph.left + glyph.width}) + 2 * pad;
    cells.push_back({glyph, width});
  }

  const int rows = (cells.size() + PER_ROW - 1) / PER_ROW;
  int grid_width = 0;
  for (int row = 0; row < rows; row++) {
    int x = 1;
    for (int i = row * PER_ROW; i < std::min<int>(cells.size(), (row + 1) * PER_ROW); i++)
      x += cells[i].width + 1;
    grid_width = std::max(grid_width, x);
  }

  BITMAP *grid = create_bitmap_ex(8, grid_width, 1 + rows * (height + 1));
  clear_to_color(grid, 255);
  for (size_t i = 0; i < cells.size(); i++) {
    const int row = i / PER_ROW;
    int x0 = 1;
    for (size_t j = row * PER_ROW; j < i; j++) x0 += cells[j].width + 1;
    const int y0 = 1 + row * (height + 1);
    const Cell &cell = cells[i];
    rectfill(grid, x0, y0, x0 + cell.width - 1, y0 + height - 1, 0);

    auto covered = [&](int gx, int gy) {
      return gx >= 0 && gy >= 0 && gx < cell.glyph.width && gy < cell.glyph.height &&
             cell.glyph.coverage[gy * cell.glyph.width + gx] >= OPAQUE_COVERAGE;
    };
    const int left = x0 + pad + std::max(0, cell.glyph.left);
    const int top = y0 + pad + ascent - cell.glyph.top;
    for (int gy = -pad; gy < cell.glyph.height + pad; gy++)
      for (int gx = -pad; gx < cell.glyph.width + pad; gx++) {
        const int px = left + gx, py = top + gy;
        if (px < x0 || py < y0 || px >= x0 + cell.width || py >= y0 + height) continue;
        if (covered(gx, gy)) {
          putpixel(grid, px, py,
                   palette_index(mix(style.top_colour, style.bottom_colour, float(py - y0) / height)));
        } else if (pad && (covered(gx - 1, gy) || covered(gx + 1, gy) || covered(gx, gy - 1) ||
                           covered(gx, gy + 1))) {
          putpixel(grid, px, py, palette_index(style.outline_colour));
        }
      }
  }
  return grid;
}

}  // namespace

void make_font_numbers(ItemOutput &out)
{
  out.font(ITEM_FONT_NUMBERS,
           font_grid({14, makecol(255, 250, 200), makecol(255, 170, 30), makecol(40, 20, 0)}));
}

void make_font_messages(ItemOutput &out)
{
  out.font(ITEM_FONT_MESSAGES, font_grid({13, makecol(255, 255, 255), makecol(190, 200, 230), -1}));
}

void make_font_points(ItemOutput &out)
{
  out.font(ITEM_FONT_POINTS, font_grid({9, makecol(0, 0, 160), makecol(0, 0, 255), -1}));
}
