// Game over: the final score, the high-score table, and the name entry of a score that
// reaches the table, one player at a time.
#pragma once

// The player (counted from 1) who holds the name entry; 0 when nobody does.
extern int name_entry_owner;
// Frames since the player's last handled name-entry key; keys act only above 3.
extern int name_key_guard[2];

// Each frame in the game-over and name-entry states, for the current player, after the table.
void run_game_over();
// Letter by letter with the player's direction keys; "drag block" confirms and saves.
void run_name_entry();
// The table in the current player's half, his new row in green.
void draw_high_scores();
// What saves the player's name: his pad's button, otherwise his key (the name entry reads no
// mouse), in plain words.
const char *name_entry_save_input(int player);
