// The small sprites: lamps, digits, sparks, cursor, carrier, glows, the power fill patterns
// and the lamps' colour marks.
#include "assets/art.h"

#include <cstdio>

#include "assets/paint.h"
#include "assets/typeface.h"

namespace {

void draw_lamp(BITMAP *picture, int x0, int y0, int colour, float brightness)
{
  circlefill(picture, x0 + 11, y0 + 11, 10, shade(colour, 0.35f));
  radial_glow(picture, x0 + 11, y0 + 11, 10, shade(colour, brightness), false);
  circle(picture, x0 + 11, y0 + 11, 10, shade(colour, 0.6f));
  circlefill(picture, x0 + 8, y0 + 8, 2, makecol(255, 255, 255));
}

void draw_socket(BITMAP *picture, int x0, int y0)
{
  circlefill(picture, x0 + 11, y0 + 11, 10, makecol(40, 40, 50));
  circle(picture, x0 + 11, y0 + 11, 10, makecol(110, 110, 130));
  circlefill(picture, x0 + 11, y0 + 11, 4, makecol(20, 20, 26));
}

BITMAP *digit_strip(ResourceItem item, int top, int bottom)
{
  BITMAP *picture = new_picture(item, mask_colour());
  BITMAP *gradient = new_canvas(18, 20, 0);
  for (int digit = 0; digit < 10; digit++) {
    const char text[2] = {char('0' + digit), 0};
    clear_to_color(gradient, makecol(0, 0, 0));
    draw_text(gradient, text, 9, -2, 20, makecol(255, 255, 255), ALIGN_CENTRE);
    for (int y = 0; y < 20; y++)
      for (int x = 0; x < 18; x++) {
        const int coverage = getr(getpixel(gradient, x, y));
        if (coverage > 110) putpixel(picture, 18 * digit + x, y, mix(top, bottom, y / 19.0f));
      }
  }
  destroy_bitmap(gradient);
  return picture;
}

// A 16 x 16 fill pattern of diagonal stripes, which the drawing slides diagonally.
BITMAP *stripes(ResourceItem item, int light, int dark)
{
  BITMAP *picture = new_picture(item, 0);
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 16; x++) {
      const int band = (x + y) % 16;
      const float weight = band < 8 ? band / 8.0f : (16 - band) / 8.0f;
      putpixel(picture, x, y, mix(dark, light, weight));
    }
  return picture;
}

}  // namespace

int lamp_colour(int index)
{
  static const int rgb[6][3] = {{255, 230, 80}, {90, 200, 255}, {120, 255, 110},
                                {255, 110, 200}, {255, 140, 50}, {190, 130, 255}};
  return makecol(rgb[index][0], rgb[index][1], rgb[index][2]);
}

void make_lamp_sheet(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LAMP_SHEET, mask_colour());
  draw_socket(picture, 0, 0);
  // The lamps being brought in as replacements, one look per replacement value.
  draw_lamp(picture, 0, 22, makecol(220, 220, 220), 1.0f);
  draw_lamp(picture, 24, 22, makecol(200, 220, 255), 1.0f);
  draw_lamp(picture, 24, 0, makecol(255, 230, 200), 1.0f);
  for (int colour = 0; colour < 6; colour++)
    for (int look = 0; look < 2; look++)
      draw_lamp(picture, 24 * look, 44 + 22 * colour, lamp_colour(colour), look ? 1.3f : 1.0f);
  out.picture(ITEM_LAMP_SHEET, picture);
}

void make_digits(ItemOutput &out)
{
  out.picture(ITEM_DIGITS, digit_strip(ITEM_DIGITS, makecol(255, 240, 140), makecol(255, 150, 20)));
}

void make_score_digits(ItemOutput &out)
{
  out.picture(ITEM_SCORE_DIGITS,
              digit_strip(ITEM_SCORE_DIGITS, makecol(200, 255, 255), makecol(40, 160, 255)));
}

void make_sparks(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_SPARKS, mask_colour());
  for (int frame = 0; frame < 5; frame++)
    radial_glow(picture, 10 * frame + 4, 4, 2 + frame % 3, makecol(255, 240, 160), true);
  out.picture(ITEM_SPARKS, picture);
}

void make_cursor(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_CURSOR, mask_colour());
  for (int frame = 0; frame < 5; frame++) {
    const int x0 = 42 * frame, inset = 3 + (frame < 3 ? frame : 5 - frame);
    const int colour = makecol(255, 255 - 20 * frame, 120);
    for (int ring = 0; ring < 2; ring++)
      rect(picture, x0 + inset + ring, inset + ring, x0 + 41 - inset - ring, 41 - inset - ring, colour);
  }
  out.picture(ITEM_CURSOR, picture);
}

void make_carrier(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_CARRIER, mask_colour());
  for (int frame = 0; frame < 2; frame++) {
    const int x0 = 36 * frame;
    bevel_panel(picture, x0 + 2, 2, x0 + 33, 23, makecol(110, 110, 130));
    rectfill(picture, x0 + 14, 0, x0 + 21, 2, makecol(80, 80, 90));
  }
  out.picture(ITEM_CARRIER, picture);
}

void make_lamp_glow(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LAMP_GLOW, mask_colour());
  radial_glow(picture, 19, 16, 16, makecol(255, 250, 200), true);
  out.picture(ITEM_LAMP_GLOW, picture);
}

void make_lamp_flash(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LAMP_FLASH, mask_colour());
  radial_glow(picture, 19, 16, 16, makecol(255, 255, 255), true);
  out.picture(ITEM_LAMP_FLASH, picture);
}

void make_points_background(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_POINTS_BACKGROUND, mask_colour());
  circlefill(picture, 10, 10, 9, makecol(255, 240, 120));
  circle(picture, 10, 10, 9, makecol(200, 150, 20));
  out.picture(ITEM_POINTS_BACKGROUND, picture);
}

void make_pattern_from_left(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_LEFT,
              stripes(ITEM_PATTERN_FROM_LEFT, makecol(255, 210, 80), makecol(170, 90, 20)));
}

void make_pattern_from_right(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_RIGHT,
              stripes(ITEM_PATTERN_FROM_RIGHT, makecol(120, 200, 255), makecol(30, 70, 160)));
}

void make_pattern_connected(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_CONNECTED,
              stripes(ITEM_PATTERN_CONNECTED, makecol(255, 255, 220), makecol(240, 160, 30)));
}

void make_pattern_armed(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_ARMED,
              stripes(ITEM_PATTERN_ARMED, makecol(255, 255, 255), makecol(255, 60, 40)));
}

void make_colour_chips(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_COLOUR_CHIPS, 0);
  for (int colour = 0; colour < 6; colour++)
    rectfill(picture, 0, 6 * colour, 3, 6 * colour + 5, lamp_colour(colour));
  out.picture(ITEM_COLOUR_CHIPS, picture);
}
