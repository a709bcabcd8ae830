#include "base/platform.h"

#include <allegro.h>

#include "base/display.h"
#include "base/resources.h"

namespace {

void library_rest(unsigned int milliseconds) { rest(milliseconds); }
int library_keypressed() { return keypressed(); }
void library_clear_keybuf() { clear_keybuf(); }

void library_play_sample(int item, int volume, int pan, int frequency)
{
  play_sample(item_sample(static_cast<ResourceItem>(item)), volume, pan, frequency, 0);
}

void library_play_music() { play_midi(item_midi(ITEM_MUSIC), TRUE); }
void library_stop_music() { stop_midi(); }
int library_pointer_x() { return to_game_pixels(mouse_x); }
int library_pointer_y() { return to_game_pixels(mouse_y); }
void library_position_mouse(int x, int y) { position_mouse(to_screen_pixels(x), to_screen_pixels(y)); }
// Not scaled: the pointer's travel is counted in screen pixels, so in a larger window a hand
// movement carries it across fewer game pixels, which keeps the dead zones as easy to hold.
void library_set_mouse_speed(int x_speed, int y_speed) { set_mouse_speed(x_speed, y_speed); }

void library_set_mouse_range(int x1, int y1, int x2, int y2)
{
  set_mouse_range(to_screen_pixels(x1), to_screen_pixels(y1), to_screen_pixels(x2),
                  to_screen_pixels(y2));
}
int library_set_gfx_mode(int card, int width, int height) { return set_gfx_mode(card, width, height, 0, 0); }
int library_readkey() { return readkey(); }

}  // namespace

const Platform library_platform = {
  library_rest,           library_keypressed,      library_clear_keybuf,
  library_play_sample,    library_play_music,      library_stop_music,
  library_pointer_x,      library_pointer_y,
  library_position_mouse, library_set_mouse_speed, library_set_mouse_range,
  library_set_gfx_mode,   library_readkey,
};

Platform platform = library_platform;
