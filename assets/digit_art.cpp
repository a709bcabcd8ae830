// The two sets of digit pictures: level and count numbers, and the clear message's score.
// They are laid on pictures of every kind, so each digit carries its own dark outline to read
// on light and dark alike, and a bevel lit from the upper left like the rest of the game.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

constexpr int DIGIT_WIDTH = 18, DIGIT_HEIGHT = 20;
constexpr int TEXT_SIZE = 19;
constexpr int COVERED = 110;

BITMAP *digit_strip(ResourceItem item, const Rgb &top, const Rgb &middle, const Rgb &bottom)
{
  BITMAP *picture = new_picture(item, mask_colour());
  BITMAP *shape = new_canvas(DIGIT_WIDTH, DIGIT_HEIGHT, 0);
  const int white = makecol(255, 255, 255);
  for (int digit = 0; digit < 10; digit++) {
    const char text[2] = {char('0' + digit), 0};
    clear_to_color(shape, makecol(0, 0, 0));
    draw_text(shape, text, DIGIT_WIDTH / 2, 0, TEXT_SIZE, white, ALIGN_CENTRE);
    auto covered = [shape](int x, int y) {
      return x >= 0 && y >= 0 && x < DIGIT_WIDTH && y < DIGIT_HEIGHT && getr(getpixel(shape, x, y)) > COVERED;
    };
    for (int y = 0; y < DIGIT_HEIGHT; y++)
      for (int x = 0; x < DIGIT_WIDTH; x++) {
        const int px = DIGIT_WIDTH * digit + x;
        if (!covered(x, y)) {
          bool beside = false;
          for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) beside |= covered(x + dx, y + dy);
          if (beside) putpixel(picture, px, y, palette::digit_outline.colour());
          continue;
        }
        const float along = y / float(DIGIT_HEIGHT - 1);
        int colour = along < 0.5f ? mix(top.colour(), middle.colour(), along * 2)
                                  : mix(middle.colour(), bottom.colour(), along * 2 - 1);
        if (!covered(x - 1, y) || !covered(x, y - 1)) colour = mix(colour, white, 0.55f);
        else if (!covered(x + 1, y) || !covered(x, y + 1)) colour = shade(colour, 0.65f);
        putpixel(picture, px, y, colour);
      }
  }
  destroy_bitmap(shape);
  return picture;
}

}  // namespace

void make_digits(ItemOutput &out)
{
  out.picture(ITEM_DIGITS, digit_strip(ITEM_DIGITS, palette::number_light, palette::number_gold,
                                                palette::number_deep));
}

void make_score_digits(ItemOutput &out)
{
  out.picture(ITEM_SCORE_DIGITS,
              digit_strip(ITEM_SCORE_DIGITS, palette::power_left, palette::accent,
                                          palette::power_left_deep));
}
