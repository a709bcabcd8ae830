// The join menu of a player who is not playing: one player, two players, versus, the
// high-score view, or the control settings.
#pragma once

enum GameMode { MODE_ONE_PLAYER = 1, MODE_TWO_PLAYERS = 2, MODE_VERSUS = 3 };

extern int game_mode;
extern int menu_selection[2];   // 0..4
extern int menu_key_guard[2];   // frames since the last handled menu input
extern int refusal_timer[2];    // frames left to show the refusal message

void run_join_menu(int player);

// Repaints the lamps' colour marks beside a player's board in the background.
void redraw_lamp_column(int player);
// Takes the colour marks away again, restoring the background picture under them.
void clear_lamp_column(int player);
