// Whether a text stands on a bitmap in this font, place and colour: printing it there again
// changes nothing.
#pragma once

#include <allegro.h>

#include <cstring>

inline bool shows_text(BITMAP *bitmap, FONT *text_font, const char *text, int x, int y, int colour)
{
  BITMAP *copy = create_bitmap(bitmap->w, bitmap->h);
  blit(bitmap, copy, 0, 0, 0, 0, bitmap->w, bitmap->h);
  textout_ex(copy, text_font, text, x, y, colour, -1);
  const int row_bytes = bitmap->w * ((bitmap_color_depth(bitmap) + 7) / 8);
  bool same = true;
  for (int row = 0; row < bitmap->h && same; row++)
    same = memcmp(copy->line[row], bitmap->line[row], row_bytes) == 0;
  destroy_bitmap(copy);
  return same;
}
