// Translucent drawing onto the frame being composed, as the library does it: the blender's
// alpha, then the sprite.
#pragma once

#include <allegro.h>

#include "base/global_bitmaps.h"

// Draws `sprite` at (x, y) on the back buffer at `alpha`, 0 (invisible) to 255 (opaque).
inline void draw_translucent(BITMAP *sprite, int x, int y, int alpha)
{
  set_trans_blender(0, 0, 0, alpha);
  draw_trans_sprite(back_buffer, sprite, x, y);
}
