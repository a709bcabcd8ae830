// Presenting: the 640 x 480 frame the game composed at 16 bits reaches the real screen with each
// game pixel a square of the screen's factor. We write it at the screen's own depth, so that
// the library and the X server only copy, and only where it changed since the frame before:
// a menu frame changes a few hundred pixels, and a large window has millions.
#pragma once

#include <allegro.h>

// The depth the game composes at, and the one it opens the screen at where the desktop's
// depth is not one we write ourselves.
constexpr int COMPOSED_DEPTH = 16;

// The depth to open the screen at on a desktop of this depth (0 when unknown): the desktop's
// own when we can write it (32 bits, what a 24-bit desktop holds its pixels in), else 16.
int presenting_depth(int desktop_depth);

// The next present writes the whole frame: the screen was made anew by a mode set.
void present_everything_next();

// Writes what changed in `frame` (640 x 480, 16 bits) since the frame presented last onto
// `target` (640 x 480 times `factor`), every game pixel a square of `factor` pixels. A new
// target, factor or depth gets the whole frame.
void present_frame(BITMAP *frame, BITMAP *target, int factor);
