// The four fill patterns with which the playfield floods powered conductors. The game slides
// each one diagonally by a pixel a frame: power from the left and connected power run right
// and down, power from the right runs left and up. Each is a train of pulses whose bright,
// sharp front faces the way it runs and whose tail fades behind it, so the flow reads at once.
#include "assets/art.h"

#include <cmath>

#include "assets/paint.h"
#include "assets/palette.h"

namespace {

constexpr int SIZE = 16;

enum Direction { RUNS_RIGHT_DOWN, RUNS_LEFT_UP };

// Pulses `period` pixels apart across the diagonal; sparkles are bright flecks of charge.
BITMAP *pulse_train(ResourceItem item, Direction direction, int period, Rgb deep, Rgb bright,
                    float sparkle)
{
  BITMAP *picture = new_picture(item, 0);
  for (int y = 0; y < SIZE; y++)
    for (int x = 0; x < SIZE; x++) {
      const int band = (x + y) % period;
      const float along = direction == RUNS_RIGHT_DOWN ? band / float(period - 1)
                                                       : 1 - band / float(period - 1);
      float level = along * along;
      if (hash_noise(x, y, item) < sparkle) level = std::min(1.0f, level + 0.45f);
      const int colour = mix(deep.colour(), bright.colour(), level);
      // The very front of a pulse is white-hot.
      const bool front = direction == RUNS_RIGHT_DOWN ? band == period - 1 : band == 0;
      putpixel(picture, x, y, front ? mix(colour, makecol(255, 255, 255), 0.6f) : colour);
    }
  return picture;
}

}  // namespace

void make_pattern_from_left(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_LEFT,
              pulse_train(ITEM_PATTERN_FROM_LEFT, RUNS_RIGHT_DOWN, 16, palette::power_left_deep,
                          palette::power_left, 0.04f));
}

void make_pattern_from_right(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_FROM_RIGHT,
              pulse_train(ITEM_PATTERN_FROM_RIGHT, RUNS_LEFT_UP, 16, palette::power_right_deep,
                          palette::power_right, 0.04f));
}

// Connected power runs twice as dense: the conductor carries the full current.
void make_pattern_connected(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_CONNECTED,
              pulse_train(ITEM_PATTERN_CONNECTED, RUNS_RIGHT_DOWN, 8, palette::power_connected_deep,
                          palette::power_connected, 0.08f));
}

// About to clear: dense white-hot pulses over a red glow, crackling with sparkles.
void make_pattern_armed(ItemOutput &out)
{
  out.picture(ITEM_PATTERN_ARMED,
              pulse_train(ITEM_PATTERN_ARMED, RUNS_RIGHT_DOWN, 8, palette::power_armed_deep,
                          palette::power_armed, 0.25f));
}
