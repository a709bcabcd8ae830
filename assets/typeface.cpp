#include "assets/typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FT_Face face_at(int pixel_size)
{
  static FT_Library library;
  static FT_Face face;
  if (!face) {
    if (FT_Init_FreeType(&library) || FT_New_Face(library, KORVANTA_FONT_FILE, 0, &face)) {
      fprintf(stderr, "generator: cannot open %s\n", KORVANTA_FONT_FILE);
      exit(1);
    }
  }
  FT_Set_Pixel_Sizes(face, 0, pixel_size);
  return face;
}

int blend(int under, int over, int coverage)
{
  return (under * (255 - coverage) + over * coverage) / 255;
}

}  // namespace

Glyph render_glyph(int character, int pixel_size)
{
  FT_Face face = face_at(pixel_size);
  Glyph glyph;
  if (FT_Load_Char(face, character, FT_LOAD_RENDER)) return glyph;
  const FT_Bitmap &map = face->glyph->bitmap;
  glyph.width = map.width;
  glyph.height = map.rows;
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.advance = face->glyph->advance.x >> 6;
  glyph.coverage.resize(glyph.width * glyph.height);
  for (int y = 0; y < glyph.height; y++)
    memcpy(&glyph.coverage[y * glyph.width], map.buffer + y * map.pitch, glyph.width);
  return glyph;
}

int text_width(const char *text, int pixel_size)
{
  int width = 0;
  for (const char *c = text; *c; c++) width += render_glyph(*c, pixel_size).advance;
  return width;
}

int text_ascent(int pixel_size)
{
  FT_Face face = face_at(pixel_size);
  return face->size->metrics.ascender >> 6;
}

void draw_text(BITMAP *picture, const char *text, int x, int y, int pixel_size, int colour,
               TextAlign align)
{
  if (align == ALIGN_CENTRE) x -= text_width(text, pixel_size) / 2;
  const int baseline = y + text_ascent(pixel_size);
  for (const char *c = text; *c; c++) {
    const Glyph glyph = render_glyph(*c, pixel_size);
    for (int gy = 0; gy < glyph.height; gy++)
      for (int gx = 0; gx < glyph.width; gx++) {
        const int coverage = glyph.coverage[gy * glyph.width + gx];
        const int px = x + glyph.left + gx, py = baseline - glyph.top + gy;
        if (!coverage || px < 0 || py < 0 || px >= picture->w || py >= picture->h) continue;
        const int under = getpixel(picture, px, py);
        // Over the transparent colour there is nothing to blend with: a pixel is either
        // lettering or left transparent, so no pink fringe shows in masked drawing.
        if (under == makecol(255, 0, 255)) {
          if (coverage >= 128) putpixel(picture, px, py, colour);
          continue;
        }
        putpixel(picture, px, py,
                 makecol(blend(getr(under), getr(colour), coverage),
                         blend(getg(under), getg(colour), coverage),
                         blend(getb(under), getb(colour), coverage)));
      }
    x += glyph.advance;
  }
}
