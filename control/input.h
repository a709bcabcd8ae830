// In-game input: cursor moves, drags, turns and pause from a player's keys or mouse.
#pragma once

extern int input_delay[2];  // calls since the last action
extern int pause_run[2];    // pause toggles in a row with no move or turn between
