// The display: the game composes everything at 640 x 480 in `game_screen`, and only the last
// copy to the real screen stretches it by a whole factor, so that the game fits a large
// desktop in a window of sharp square pixels. Full screen is always 640 x 480. The screen
// opens at the desktop's depth where we can write that ourselves (see present.h).
#pragma once

#include <allegro.h>

constexpr int MAX_SCALE = 3;

extern BITMAP *game_screen;  // 640 x 480: what the screen shows, in game pixels
extern int scale_factor;     // screen pixels per game pixel, in each direction, right now
extern int window_scale;     // the factor of the window: 1..3, or 0 for the desktop's choice
extern int screen_depth;     // the depth the screen is opened at first; 16 is tried after it

// The largest factor up to MAX_SCALE whose window, with room for its frame and the desktop's
// panels, fits a desktop of this size; 1 when none larger does.
int fitting_scale(int desktop_width, int desktop_height);

// The window's factor for this desktop: the largest that fits it, or 1 when the desktop does
// not tell its size. Needs the library started.
int desktop_scale();

// Makes `game_screen` once; every later call keeps it and what it shows.
void create_game_screen();

// Sets the screen mode: a window of 640 x 480 times `factor`, or full screen at 640 x 480
// (factor 1), at screen_depth or else at 16 bits. On success the screen shows `game_screen`
// whole at once; false when the mode cannot be had, and then nothing has changed. The colour
// depth for new bitmaps and colours stays 16 bits either way.
bool set_display_mode(bool in_window, int factor);

// Copies what changed in `game_screen` to the real screen, each game pixel a square of
// scale_factor pixels.
void present_screen();

// Between game pixels and the screen's pixels, for the mouse pointer.
int to_game_pixels(int screen_pixels);
int to_screen_pixels(int game_pixels);
