// The two sets of digit pictures: level and count numbers, and the clear message's score.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

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

}  // namespace

void make_digits(ItemOutput &out)
{
  out.picture(ITEM_DIGITS, digit_strip(ITEM_DIGITS, makecol(255, 240, 140), makecol(255, 150, 20)));
}

void make_score_digits(ItemOutput &out)
{
  out.picture(ITEM_SCORE_DIGITS,
              digit_strip(ITEM_SCORE_DIGITS, makecol(200, 255, 255), makecol(40, 160, 255)));
}
