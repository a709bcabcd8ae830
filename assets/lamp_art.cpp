// The lamps: the sprite sheet of sockets and lit lamps, the glow and flash over a lamp being
// replaced, the background of the point sprites and the colour marks of the lamp column.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"

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

void make_colour_chips(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_COLOUR_CHIPS, 0);
  for (int colour = 0; colour < 6; colour++)
    rectfill(picture, 0, 6 * colour, 3, 6 * colour + 5, lamp_colour(colour));
  out.picture(ITEM_COLOUR_CHIPS, picture);
}
