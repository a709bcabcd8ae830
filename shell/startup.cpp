#include "shell/startup.h"

#include <cstdarg>
#include <cstdio>

#include "base/clock.h"
#include "base/data_paths.h"
#include "base/display.h"
#include "base/display_loss.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/present.h"
#include "base/resources.h"
#include "shell/main_loop.h"

ResourceDigest expected_resource_digest;

// With a window of 640 x 480, full screen first, as the game is meant to be played; a
// machine that has no 640 x 480 full-screen mode still gets a window. A desktop with room for
// a larger window gets that first, since there a 640 x 480 mode switch often fails; full
// screen and the small window remain if it cannot be had. The game composes at 16 bits, but
// the screen opens at the desktop's depth where we write that ourselves: otherwise the
// library converts every frame for the X server. The desktop's depth is read before any mode
// is set, since full screen may change it.
bool open_screen()
{
  struct Mode {
    bool in_window;
    int factor;
  };
  screen_depth = presenting_depth(desktop_color_depth());
  set_color_depth(COMPOSED_DEPTH);
  create_game_screen();
  if (window_scale == 0) window_scale = desktop_scale();

  const Mode modes[] = {{true, window_scale}, {false, 1}, {true, 1}};
  for (int i = window_scale == 1 ? 1 : 0; i < 3; i++) {
    const Mode &mode = modes[i];
    if (set_display_mode(mode.in_window, mode.factor)) {
      windowed = mode.in_window;
      return true;
    }
  }
  return false;
}

void report_fatal(const char *format, ...)
{
  char text[512];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  fputs(text, stderr);
  allegro_message("%s", text);
}

bool initialise_game()
{
  // Before the library starts: its shutdown puts back the handlers it found.
  catch_leave_signals();
  end_game_on_lost_display();
  // Without a display the library cannot start, and any later call would crash.
  if (allegro_init() != 0) {
    fprintf(stderr, "Korvanta cannot start: %s\n(Is there a display? DISPLAY is %s.)\n",
            allegro_error[0] ? allegro_error : "the Allegro library did not start",
            getenv("DISPLAY") ? getenv("DISPLAY") : "not set");
    return true;
  }
  catch_leave_signals();  // the library has put its own in place of two of them
  install_timer();
  install_keyboard();
  install_mouse();
  set_window_title("Korvanta");
  set_close_button_callback(request_close);

  if (!open_screen()) {
    report_fatal("Korvanta needs a 640 x 480 screen in 16-bit colour, full screen or in a "
                 "window, and could not get one:\n%s\n", allegro_error);
    return true;
  }

  choose_patch_set();
  if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, "") != 0) {
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    report_fatal("Error initialising sound system\n%s\n", allegro_error);
    return true;
  }

  // The library's loader crashes on a file cut short or with changed bytes, so a file that
  // is not the one the build packed is never given to it: it counts as missing.
  const char *resource_file = resource_file_path().c_str();
  if (resource_file_intact(resource_file, expected_resource_digest))
    game_data = load_resource_file(resource_file);  // also selects the fonts' palette
  if (!game_data) {
    report_fatal("file not found: %s", resource_file);
    return true;
  }

  create_global_bitmaps();
  if (!global_bitmaps_complete()) {
    report_fatal("Korvanta could not create its pictures: not enough memory.\n");
    return true;
  }

  take_fonts();
  watch_game_window();
  return false;
}

void show_goodbye_screen()
{
  // The close button that ended the game has had its answer; another click ends this screen.
  clear_close_request();
  clear_bitmap(game_screen);
  textout_centre_ex(game_screen, font_messages, "Thank you for playing!", 320, 200,
                    makecol(255, 255, 255), -1);
  present_screen();

  tick_counter = 0;
  platform.rest(500);
  platform.clear_keybuf();
  // Poll in 1 ms steps rather than spinning.
  while (tick_counter <= 1999 && !platform.keypressed() && !leave_requested()) platform.rest(1);
}
