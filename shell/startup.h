// Start-up, timing and shutdown: the library, the screen, sound, the resource file, the
// millisecond counters and the global bitmaps; and the goodbye screen at the end of a run.
#pragma once

#include <allegro.h>

#include "shell/millisecond_counter.h"
#include "shell/resource_check.h"

// Milliseconds since each was last set to 0.
extern MillisecondCounter tick_counter;   // frame pacing and the goodbye screen
extern MillisecondCounter message_timer;  // the control settings screen's error messages

// The three fonts of the resource file, copied out once after loading.
extern FONT *font_numbers;   // item 30: scores, table lines
extern FONT *font_messages;  // item 31: messages and names
extern FONT *font_points;    // item 32: the numbers on the point sprites
// Copies the three font handles out of the loaded resource file.
void take_fonts();

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
