// Small drawing tools shared by the generator's pictures. Pictures are drawn at 32 bits and
// saved as 24-bit BMP files; magenta is the transparent colour of masked drawing.
#pragma once

#include <allegro.h>

#include <vector>

#include "base/resources.h"

// A rectangle of a picture, its edges included.
struct Area {
  int x1, y1, x2, y2;
};

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

// Deterministic noise in 0..1 for pixel (x, y): the same picture on every build.
float hash_noise(int x, int y, int seed);
// Brushed steel lit from the upper left: horizontal grain, a face that darkens downwards, light
// top-left edges and dark bottom-right ones, `edge` pixels wide.
void brushed_steel(BITMAP *picture, int x1, int y1, int x2, int y2, int face, int edge, int seed);
// A recess sunk into a surface: its floor, shadowed along the top and left inner edges and
// caught by the light along the bottom and right ones.
void sunken_well(BITMAP *picture, int x1, int y1, int x2, int y2, int floor);

// --- Panels of the theme: circuit board, brushed steel, glowing lettering ---

// Green solder mask over copper: noisy board face with traces, pads and vias, different for
// each seed. No copper comes into the areas to keep clear: a trace heading into one ends in a
// via before it, as on a board laid out around its printed labels.
void circuit_board(BITMAP *picture, int x1, int y1, int x2, int y2, int seed,
                   const std::vector<Area> &keep_clear = {});
// A brushed-steel frame `width` pixels wide just inside the rectangle, lit from the upper
// left: the outer edge is bright above and left, the inner edge falls into shadow there.
void steel_bezel(BITMAP *picture, int x1, int y1, int x2, int y2, int width);
// A recess: the face darkened, with a shadow along its upper-left inner edges.
void recessed_panel(BITMAP *picture, int x1, int y1, int x2, int y2, int face);
// The ground that lettering drawn by glowing_text with these arguments takes: its letters
// and the halo around them.
Area lettering_area(const char *text, int x, int y, int pixel_size, int align_centre);
// Lettering that glows: a soft halo of `glow` under it and a dark drop shadow, then the
// letters. The halo is not drawn over transparent pixels.
void glowing_text(BITMAP *picture, const char *text, int x, int y, int pixel_size, int colour,
                  int glow, int align_centre);
