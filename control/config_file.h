// The controls file korvanta.cfg: both players' eight keys and devices, kept from one run to
// the next. Version 1 is 19 bytes: the version, Player 1's eight key codes, Player 2's eight,
// then Player 1's device and Player 2's.
#pragma once

constexpr int CONFIG_VERSION = 1;
extern const char CONFIG_FILE[];  // "korvanta.cfg", in the working directory

// Reads the bindings at start-up. A missing file is written with the defaults; a file of
// another version, or one cut short, is replaced by the defaults, and a notice on the screen
// waits for a key. A file that cannot be read leaves the defaults in memory.
void load_config();

// Writes the bindings as version 1. The old file stays whole if the save fails.
void save_config();
