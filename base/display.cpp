#include "base/display.h"

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/present.h"

BITMAP *game_screen = nullptr;
int scale_factor = 1;
int window_scale = 0;
int screen_depth = COMPOSED_DEPTH;

namespace {

// A window's borders and title bar, and a desktop's panels, take this much beside it.
constexpr int FRAME_ROOM_X = 16;
constexpr int FRAME_ROOM_Y = 80;

}  // namespace

int fitting_scale(int desktop_width, int desktop_height)
{
  for (int factor = MAX_SCALE; factor > 1; factor--)
    if (SCREEN_WIDTH * factor + FRAME_ROOM_X <= desktop_width &&
        SCREEN_HEIGHT * factor + FRAME_ROOM_Y <= desktop_height)
      return factor;
  return 1;
}

int desktop_scale()
{
  int width = 0, height = 0;
  if (get_desktop_resolution(&width, &height) != 0) return 1;
  return fitting_scale(width, height);
}

void create_game_screen()
{
  if (!game_screen) {
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_bitmap(game_screen);
  }
}

bool set_display_mode(bool in_window, int factor)
{
  if (!in_window || factor < 1) factor = 1;  // full screen, or a window not yet sized
  const int card = in_window ? GFX_AUTODETECT_WINDOWED : GFX_AUTODETECT_FULLSCREEN;
  const int depths[] = {screen_depth, COMPOSED_DEPTH};
  for (int depth : depths) {
    set_color_depth(depth);
    const bool opened = platform.set_gfx_mode(card, SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor) == 0;
    set_color_depth(COMPOSED_DEPTH);  // the game goes on composing at 16 bits
    if (opened) {
      scale_factor = factor;
      present_everything_next();
      present_screen();
      return true;
    }
    if (depth == COMPOSED_DEPTH) break;
  }
  return false;
}

void present_screen() { present_frame(game_screen, screen, scale_factor); }

int to_game_pixels(int screen_pixels) { return screen_pixels / scale_factor; }

// The middle of the game pixel's square, so that reading the pointer back gives the same
// game pixel whatever rounding the pointer's driver does.
int to_screen_pixels(int game_pixels) { return game_pixels * scale_factor + scale_factor / 2; }
