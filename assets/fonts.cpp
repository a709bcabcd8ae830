// The game's three fonts, written as Allegro bitmap-font grids: characters 32..126 in boxes
// of index 0 (transparent) separated by index 255. They are 8-bit colour fonts: printed with
// colour -1 they show their own colours, through the library's default palette, which the
// screen keeps; printed with a colour, every glyph pixel takes that colour (the library
// ignores the colour for hicolour fonts, so these must stay 8-bit). So the shading lies
// inside each glyph's shape: an outline or shadow would thicken the letters printed in a
// colour. Glyph pixels are opaque, since masked text has no partial transparency.
#include "assets/art.h"

#include <algorithm>
#include <vector>

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

constexpr int FIRST_CHARACTER = 32, LAST_CHARACTER = 126, PER_ROW = 16;
constexpr int OPAQUE_COVERAGE = 110;

// Where the glyphs sit in a font's line: all sizes in pixels.
struct FontLayout {
  int pixel_size;
  int height;        // of the line, which is all that textout draws of it
  int baseline;      // row of the baseline within the line
  int cap_height;    // of capitals and digits
  int figure_width;  // of each digit and the space, or 0 for the typeface's own widths
};

// The numbers: scores on the play screen and the high-score lines, whose columns only line up
// with digit-wide spaces, and whose 16 characters must fit on a board 175 pixels wide.
constexpr FontLayout NUMBERS_FONT{13, 15, 11, 9, 10};
// Messages and names: the settings screen's rows are 23 pixels apart, with a selection frame
// from 5 pixels above a line's top to 15 below it, so descenders end on the line's 14th row.
constexpr FontLayout MESSAGES_FONT{12, 14, 11, 9, 0};
// The numbers on the point coins, printed 6 pixels below a coin's top: their digits begin on
// the line's first row, so they sit in the middle of the coin.
constexpr FontLayout POINTS_FONT{10, 10, 7, 7, 0};

struct FontStyle {
  FontLayout layout;
  const Rgb *ramp;  // bands of colour from the cap line to the baseline
  int ramp_size;
  bool bevel;       // light top and dark bottom glyph edges
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
  int glyph_x;  // where the glyph's map starts in the cell
};

Cell layout_cell(int character, const FontLayout &layout)
{
  Cell cell{render_glyph(character, layout.pixel_size), 0, 0};
  const Glyph &glyph = cell.glyph;
  if (layout.figure_width && (character == ' ' || (character >= '0' && character <= '9'))) {
    // Tabular figures: digits and space share one width, so right-aligned numbers padded
    // with spaces line up in columns.
    cell.width = layout.figure_width;
    cell.glyph_x = (layout.figure_width - glyph.width) / 2;
  } else {
    cell.glyph_x = std::max(0, glyph.left);
    cell.width = std::max({1, glyph.advance, cell.glyph_x + glyph.width});
  }
  return cell;
}

int glyph_colour(const FontStyle &style, const Cell &cell, int gx, int gy, int cell_y)
{
  auto covered = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < cell.glyph.width && y < cell.glyph.height &&
           cell.glyph.coverage[y * cell.glyph.width + x] >= OPAQUE_COVERAGE;
  };
  const int cap_top = style.layout.baseline - style.layout.cap_height;
  const float along = std::clamp(float(cell_y - cap_top) / style.layout.cap_height, 0.0f, 1.0f);
  if (style.bevel) {
    // Strokes are only two pixels wide: lighting their sides too would leave no gold.
    if (!covered(gx, gy - 1)) return palette::number_font_highlight.colour();
    if (!covered(gx, gy + 1)) return palette::number_font_shadow.colour();
  }
  // Bands rather than a smooth blend: the palette has no shades between them.
  return style.ramp[std::min(style.ramp_size - 1, int(along * style.ramp_size))].colour();
}

BITMAP *font_grid(const FontStyle &style)
{
  const FontLayout &layout = style.layout;
  std::vector<Cell> cells;
  for (int c = FIRST_CHARACTER; c <= LAST_CHARACTER; c++) cells.push_back(layout_cell(c, layout));

  const int rows = (cells.size() + PER_ROW - 1) / PER_ROW;
  int grid_width = 0;
  for (int row = 0; row < rows; row++) {
    int x = 1;
    for (int i = row * PER_ROW; i < std::min<int>(cells.size(), (row + 1) * PER_ROW); i++)
      x += cells[i].width + 1;
    grid_width = std::max(grid_width, x);
  }

  BITMAP *grid = create_bitmap_ex(8, grid_width, 1 + rows * (layout.height + 1));
  clear_to_color(grid, 255);
  for (size_t i = 0; i < cells.size(); i++) {
    const int row = i / PER_ROW;
    int x0 = 1;
    for (size_t j = row * PER_ROW; j < i; j++) x0 += cells[j].width + 1;
    const int y0 = 1 + row * (layout.height + 1);
    const Cell &cell = cells[i];
    rectfill(grid, x0, y0, x0 + cell.width - 1, y0 + layout.height - 1, 0);

    const int top = layout.baseline - cell.glyph.top;
    for (int gy = 0; gy < cell.glyph.height; gy++)
      for (int gx = 0; gx < cell.glyph.width; gx++) {
        const int cx = cell.glyph_x + gx, cy = top + gy;
        // A glyph reaching beyond its cell (a deep descender, say) is cut, not let spill.
        if (cx < 0 || cy < 0 || cx >= cell.width || cy >= layout.height) continue;
        if (cell.glyph.coverage[gy * cell.glyph.width + gx] < OPAQUE_COVERAGE) continue;
        putpixel(grid, x0 + cx, y0 + cy, palette_index(glyph_colour(style, cell, gx, gy, cy)));
      }
  }
  return grid;
}

}  // namespace

void make_font_numbers(ItemOutput &out)
{
  out.font(ITEM_FONT_NUMBERS, font_grid({NUMBERS_FONT, palette::number_font_ramp, 5, true}));
}

void make_font_messages(ItemOutput &out)
{
  out.font(ITEM_FONT_MESSAGES, font_grid({MESSAGES_FONT, palette::message_font_ramp, 4, false}));
}

void make_font_points(ItemOutput &out)
{
  // Always printed in a colour of the game's choosing: one flat colour is enough.
  static const Rgb blue[1] = {{0, 0, 252}};
  out.font(ITEM_FONT_POINTS, font_grid({POINTS_FONT, blue, 1, false}));
}
