// The whole game, from the command line to shutdown. The executable's main only calls it;
// test drivers that must run the real game in their own process call it too.
#pragma once

// Returns the process's exit status.
int run_korvanta(int argc, char *argv[]);
