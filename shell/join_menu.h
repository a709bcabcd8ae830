// The join menu of a player who is not playing: one player, two players, versus, the
// high-score view, or the control settings.
#pragma once

extern int menu_key_guard[2];   // frames since the last handled menu input
extern int refusal_timer[2];    // frames left to show the refusal message

// The screen y of a join-menu entry's row, 0..4: where its highlight lies and where a mouse
// player's pointer rests on it.
inline int join_menu_entry_y(int entry) { return 124 + 33 * entry; }

void run_join_menu(int player);
