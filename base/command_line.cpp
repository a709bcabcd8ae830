#include "base/command_line.h"

#include <cstdio>
#include <cstring>

#include "base/display.h"

namespace {

constexpr int EXIT_USAGE = 2;

const char USAGE[] =
    "Usage: korvanta [--scale N] [--help]\n"
    "  --scale N  show the window N times larger (1, 2 or 3); by default the largest\n"
    "             that fits the desktop. Full screen (F2) is always 640 x 480.\n"
    "  --help     show this text and leave\n";

CommandLine refused(const std::string &why)
{
  CommandLine line;
  line.exit_code = EXIT_USAGE;
  line.message = "korvanta: " + why + "\nTry 'korvanta --help'.\n";
  return line;
}

// 1..MAX_SCALE written as one digit; 0 for anything else.
int scale_value(const char *text)
{
  if (strlen(text) != 1 || text[0] < '1' || text[0] > '0' + MAX_SCALE) return 0;
  return text[0] - '0';
}

}  // namespace

CommandLine read_command_line(int argc, const char *const argv[])
{
  CommandLine line;
  for (int i = 1; i < argc; i++) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") {
      line.exit_code = 0;
      line.message = USAGE;
      return line;
    }
    const char *value = nullptr;
    if (word == "--scale") {
      if (i + 1 == argc) return refused("--scale needs a number: 1, 2 or 3");
      value = argv[++i];
    } else if (word.rfind("--scale=", 0) == 0) {
      value = argv[i] + strlen("--scale=");
    } else {
      return refused("unknown option '" + word + "'");
    }
    line.scale = scale_value(value);
    if (line.scale == 0) return refused("--scale takes 1, 2 or 3, not '" + std::string(value) + "'");
  }
  return line;
}

int take_command_line(int argc, const char *const argv[])
{
  const CommandLine line = read_command_line(argc, argv);
  if (line.exit_code == 0) fputs(line.message.c_str(), stdout);
  if (line.exit_code > 0) fputs(line.message.c_str(), stderr);
  window_scale = line.scale;
  return line.exit_code;
}
