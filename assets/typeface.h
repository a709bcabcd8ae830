// Lettering for the generated pictures and fonts: DejaVu Sans Bold rasterised by FreeType.
#pragma once

#include <allegro.h>

#include <cstdint>
#include <vector>

struct Glyph {
  int width = 0, height = 0;  // of the coverage map
  int left = 0, top = 0;      // offset of the map from the pen, top measured up from the baseline
  int advance = 0;            // pen advance in pixels
  std::vector<uint8_t> coverage;
};

Glyph render_glyph(int character, int pixel_size);
int text_width(const char *text, int pixel_size);
// Distance from the top of a line to its baseline.
int text_ascent(int pixel_size);

enum TextAlign { ALIGN_LEFT, ALIGN_CENTRE };

// Anti-aliased text on a 32-bit picture, y being the top of the line.
void draw_text(BITMAP *picture, const char *text, int x, int y, int pixel_size, int colour,
               TextAlign align = ALIGN_LEFT);
