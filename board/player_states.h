// Every change of a player's state goes through these functions: a new game, the level
// count-in, pausing and resuming, the end of a level, game over, the versus pictures, the
// name entry, the high-score view and the return to the join menu. The states themselves and
// the player records are in state/game_state.h.
#pragma once

#include "state/game_state.h"

// A new game from the join menu at level 1, in `first_state` (the level count-in, or play at
// once in versus): the level and the board are set up and the lamps' colour marks shown.
// `game_mode` must already be chosen.
void start_game(int player, PlayerState first_state);

// One step of the level count-in, which raises `blocks_to_clear` to the level's quota, three
// at a time while more than 50 remain and one at a time after that. True when it counted;
// once the whole quota is in it starts play instead and returns false.
bool count_in_step(int player);

// Pausing and resuming both drop an armed clear.
void pause_game(int player);
void resume_game(int player);

// The clear message has gone and no tiles are left to clear: the level is complete and its
// bonus decided (booked once the panel has faded in).
void complete_level(int player);
// The panel has faded in: the level bonus is booked and the panel fades out.
void finish_level(int player);
// The panel has faded out: the next level begins with its count-in.
void start_next_level(int player);

// The player's board overflowed: game over, or in versus the game is lost to the other.
void end_game(int player);
// The versus picture has faded in and now fades out.
void begin_versus_fade_out(int player);
// The table has been shown long enough: the player enters his name.
void begin_name_entry(int player);
// The join menu's high-score view, whose keys wait `lock` frames.
void show_high_scores(int player, int lock);

// How a player comes back to his join menu: the frames its keys stay locked (or KEEP_LOCK:
// the timer keeps its value, which is 0 throughout a game), whether the selection goes back
// to the first entry, and whether the lamps' colour marks beside his board are taken away.
struct MenuReturn {
  int lock;
  bool select_first_entry;
  bool remove_lamp_marks;
};
constexpr int KEEP_LOCK = -1;
constexpr MenuReturn AFTER_SIX_PAUSES = {KEEP_LOCK, true, true};
constexpr MenuReturn AFTER_GAME_OVER = {30, true, false};  // the overflow took the marks already
constexpr MenuReturn AFTER_NAME_ENTRY = {50, false, false};
constexpr MenuReturn AFTER_VERSUS = {KEEP_LOCK, true, true};
constexpr MenuReturn AFTER_HIGH_SCORES = {10, false, false};
constexpr MenuReturn AT_START = {KEEP_LOCK, false, false};  // the main loop resets both selections

void return_to_join_menu(int player, const MenuReturn &how);
