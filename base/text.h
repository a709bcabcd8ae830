// Formatted text printed without the heap. The library's own formatted printing allocates on
// every call, and nothing may be allocated while the game runs its frames.
#pragma once

#include <allegro.h>

// Like textprintf_centre_ex and textprintf_ex, with a transparent background.
void print_centred(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format, ...)
    __attribute__((format(printf, 6, 7)));
void print_left(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format, ...)
    __attribute__((format(printf, 6, 7)));
