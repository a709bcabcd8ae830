// Start-up and shutdown: the library, the screen, sound, the resource file and the global
// bitmaps; and the goodbye screen at the end of a run.
#pragma once

#include <allegro.h>

#include "base/resource_check.h"

// The size and checksum korvanta.dat must have. main gives the build's record before
// start-up; until then it matches no file, so the game cannot start on an unchecked one.
extern ResourceDigest expected_resource_digest;

// Sets the 640 x 480 16-bit screen, full screen or else in a window (and says which in
// `windowed`). False when neither can be had.
bool open_screen();

// Brings up everything the game needs. Returns false on success and true on failure, after
// telling the user why.
bool initialise_game();

// "Thank you for playing!": stays at least 500 ms, ignores keys pressed during those, and
// leaves after 2000 ms or at the first later key.
void show_goodbye_screen();

// Tells the user about a failure that ends the program: on standard error, and in the
// library's message box, since a window manager may hide the box.
void report_fatal(const char *format, ...);
