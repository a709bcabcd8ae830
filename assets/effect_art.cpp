// The small moving sprites of the playfield: sparks, the cursor and the lamp carrier.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"

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
