// Small drawing tools shared by the generator's pictures. Pictures are drawn at 32 bits and
// saved as 24-bit BMP files; magenta is the transparent colour of masked drawing.
#pragma once

#include <allegro.h>

#include "shell/resources.h"

int mask_colour();
// A new 32-bit picture of the catalogue's size for the item, filled with a colour.
BITMAP *new_picture(ResourceItem item, int fill);
BITMAP *new_canvas(int width, int height, int fill);

// The colour scaled towards black (factor < 1) or white (factor > 1).
int shade(int colour, float factor);
int mix(int a, int b, float weight_of_b);

void vertical_gradient(BITMAP *picture, int x1, int y1, int x2, int y2, int top, int bottom);
// A raised panel: gradient face, light upper-left edge, dark lower-right edge.
void bevel_panel(BITMAP *picture, int x1, int y1, int x2, int y2, int face);
// A soft round glow: the colour fades from the centre out to the radius.
void radial_glow(BITMAP *picture, int cx, int cy, int radius, int colour, bool masked);

// --- Panels of the theme: circuit board, brushed steel, glowing lettering ---

// Deterministic noise in 0..1 for a pixel; the same seed always gives the same picture.
float pixel_noise(int x, int y, int seed);
// Green solder mask over copper: noisy board face with traces, pads and vias, different for
// each seed.
void circuit_board(BITMAP *picture, int x1, int y1, int x2, int y2, int seed);
// A brushed-steel frame `width` pixels wide just inside the rectangle, lit from the upper
// left: the outer edge is bright above and left, the inner edge falls into shadow there.
void steel_bezel(BITMAP *picture, int x1, int y1, int x2, int y2, int width);
// A recess: the face darkened, with a shadow along its upper-left inner edges.
void recessed_panel(BITMAP *picture, int x1, int y1, int x2, int y2, int face);
// Lettering that glows: a soft halo of `glow` under it and a dark drop shadow, then the
// letters. The halo is not drawn over transparent pixels.
void glowing_text(BITMAP *picture, const char *text, int x, int y, int pixel_size, int colour,
                  int glow, int align_centre);
