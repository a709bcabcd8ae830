// The few library services that need a timer thread, a sound card or a real mouse. The game
// calls them only through `platform`, so that headless tests can put a recording stand-in in
// their place and drive frames by calling the per-frame functions.
#pragma once

struct Platform {
  void (*rest)(unsigned int milliseconds);
  int (*keypressed)();
  void (*clear_keybuf)();
  void (*play_sample)(int item, int volume, int pan, int frequency);
  void (*play_music)();   // the background music, looped
  void (*stop_music)();
  // The pointer in game pixels, whatever the factor the screen is stretched by.
  int (*pointer_x)();
  int (*pointer_y)();
  void (*position_mouse)(int x, int y);
  void (*set_mouse_speed)(int x_speed, int y_speed);
  void (*set_mouse_range)(int x1, int y1, int x2, int y2);
  int (*set_gfx_mode)(int card, int width, int height);  // 0 on success
  int (*readkey)();  // the next key of the buffer: its key code in the high byte
};

// Starts as the real library; tests replace members.
extern Platform platform;

// The real library, for the tests of what the game's side of the seam asks of it.
extern const Platform library_platform;

// The pan that places a sound on a player's side of the screen.
inline int player_pan(int player) { return 20 + 235 * player; }
