// The command line: --scale N sizes the window, --help tells how to start the game.
#pragma once

#include <string>

// What the command line asks for.
struct CommandLine {
  int scale = 0;         // the window's factor 1..3; 0: the largest that fits the desktop
  int exit_code = -1;    // 0 or more: the program ends at once with this code
  std::string message;   // shown before such an end: the usage for 0, else what was wrong
};

CommandLine read_command_line(int argc, const char *const argv[]);

// Reads the command line and takes its window factor. Returns -1 when the game goes on;
// otherwise the exit code, after printing the usage (on standard output) or the error (on
// standard error).
int take_command_line(int argc, const char *const argv[]);
