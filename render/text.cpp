#include "render/text.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Long enough for every line the game prints.
constexpr int LINE_LENGTH = 128;

}  // namespace

void print_centred(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format,
                   ...)
{
  char line[LINE_LENGTH];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  textout_centre_ex(bitmap, typeface, line, x, y, colour, -1);
}

void print_left(BITMAP *bitmap, FONT *typeface, int x, int y, int colour, const char *format, ...)
{
  char line[LINE_LENGTH];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  textout_ex(bitmap, typeface, line, x, y, colour, -1);
}
