#include "bench/support/headless_game.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "base/clock.h"
#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resource_check.h"
#include "base/resources.h"
#include "shell/prerender.h"


namespace {

constexpr int FRAME_MILLISECONDS = 33;

// Every wait ends at once, so that a frame's time is its own work.
void no_wait(unsigned int) { tick_counter = FRAME_MILLISECONDS; }
int no_key() { return 0; }
void no_keybuf() {}
void no_sample(int, int, int, int) {}
void no_music() {}
int no_pointer() { return 0; }
void no_mouse(int, int) {}
void no_mouse_range(int, int, int, int) {}
int no_mode_change(int, int, int) { return 0; }

bool start()
{
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "the library did not start: %s\n", allegro_error);
    return false;
  }
  set_color_depth(16);
  // The library's loader crashes on a damaged file; one the build did not pack is refused.
  if (resource_file_intact("korvanta.dat", BUILT_RESOURCE_DIGEST))
    game_data = load_resource_file("korvanta.dat");
  if (!game_data) {
    fprintf(stderr, "korvanta.dat, as built, must lie in the working folder\n");
    return false;
  }
  take_fonts();
  create_global_bitmaps();
  screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  create_game_screen();
  platform = {no_wait,    no_key,     no_keybuf, no_sample, no_music,       no_music,
              no_pointer, no_pointer, no_mouse,  no_mouse,  no_mouse_range, no_mode_change};
  prepare_play_screen();
  return true;
}

}  // namespace

bool start_headless_game()
{
  static const bool started = start();
  return started;
}
