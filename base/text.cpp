#include "base/text.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Long enough for every line the game prints.
constexpr int LINE_LENGTH = 128;

void print_line(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, bool centred,
                const char *format, va_list arguments)
{
  char line[LINE_LENGTH];
  vsnprintf(line, sizeof line, format, arguments);
  if (centred) textout_centre_ex(bitmap, typeface, line, x, y, colour, -1);
  else textout_ex(bitmap, typeface, line, x, y, colour, -1);
}

}  // namespace

void print_centred(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format,
                   ...)
{
  va_list arguments;
  va_start(arguments, format);
  print_line(bitmap, typeface, x, y, colour, true, format, arguments);
  va_end(arguments);
}

void print_left(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format, ...)
{
  va_list arguments;
  va_start(arguments, format);
  print_line(bitmap, typeface, x, y, colour, false, format, arguments);
  va_end(arguments);
}
