// The join menu of a player who is not playing: one player, two players, versus, the
// high-score view, or the control settings.
#pragma once

#include "state/game_state.h"

extern int menu_key_guard[2];   // frames since the last handled menu input
extern int refusal_timer[2];    // frames left to show the refusal message
extern int menu_idle_frames[2]; // frames the player has left his menu alone

// After this many frames (four seconds) without his input, a player's menu says under it how
// to choose; never while it refuses.
constexpr int JOIN_HINT_AFTER_FRAMES = 120;

// The first line of that hint, from the player's bindings: "press Delete to choose".
void format_join_hint(int player, char *line, int size);

// The screen y of a join-menu entry's row, 0..4: where its highlight lies and where a mouse
// player's pointer rests on it.
inline int join_menu_entry_y(int entry) { return 124 + 33 * entry; }

void run_join_menu(int player);

// A game started as the menu starts it: the rules set it up, its level panel is painted and a
// mouse player's pointer placed. `game_mode` must be chosen first for a game of one.
void begin_game(int player, PlayerState first_state);
// A game of two in this mode for both players; versus starts without a count-in.
void begin_game_for_both(GameMode mode);
