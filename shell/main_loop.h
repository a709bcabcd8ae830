// The game proper: one pass per frame, the three function keys, each player's step by
// state, the quit question, then the frame driver.
#pragma once

extern bool music_on;          // the background music is playing
extern bool windowed;          // the screen is a window rather than full screen
extern int difficulty;         // 0..2; set to 1 when the main loop starts
extern int global_key_guard;   // frames since the last handled function key
extern int current_player;     // the player the per-player functions act on: 0 or 1

// Runs until the players confirm the quit question (or close the window).
void run_main_loop();
