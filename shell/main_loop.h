// The game proper: one pass per frame, the four function keys, each player's step by
// state, the quit question, then the frame driver.
#pragma once

extern bool music_on;          // the background music is playing
extern bool windowed;          // the screen is a window rather than full screen
extern int global_key_guard;   // frames since the last handled function key

// Runs until the players confirm the quit question, or the close button or a signal asks the
// game to leave.
void run_main_loop();

// The pieces of the loop, for the tests that step it frame by frame.
void enter_main_loop();
// One pass; false once the players have chosen to leave, or the game is asked to.
bool run_main_loop_pass();
void handle_function_keys();
void run_player_steps();
// Shows the quit question and waits for Y or Z (true: leave) or N (false: go on); a request
// to leave answers it as Y does.
bool ask_quit_question();
