// The game proper: one pass per frame, the four function keys, each player's step by
// state, the quit question, then the frame driver.
#pragma once

extern bool music_on;          // the background music is playing
extern bool windowed;          // the screen is a window rather than full screen
extern int global_key_guard;   // frames since the last handled function key

// Runs until the players confirm the quit question (or close the window).
void run_main_loop();

// The pieces of the loop, for the tests that step it frame by frame.
void enter_main_loop();
// One pass; false once the players have chosen to leave.
bool run_main_loop_pass();
void handle_function_keys();
void run_player_steps();
// Shows the quit question and waits for Y or Z (true: leave) or N (false: go on).
bool ask_quit_question();

// Raised by the window's close button; the loop ends as if the quit question were confirmed.
void request_close();
bool close_requested();
void clear_close_request();
