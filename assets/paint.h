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

// Deterministic noise in 0..1 for pixel (x, y): the same picture on every build.
float hash_noise(int x, int y, int seed);
// Brushed steel lit from the upper left: horizontal grain, a face that darkens downwards, light
// top-left edges and dark bottom-right ones, `edge` pixels wide.
void brushed_steel(BITMAP *picture, int x1, int y1, int x2, int y2, int face, int edge, int seed);
// A recess sunk into a surface: its floor, shadowed along the top and left inner edges and
// caught by the light along the bottom and right ones.
void sunken_well(BITMAP *picture, int x1, int y1, int x2, int y2, int floor);
