// The game state every floor reads: the game mode and difficulty, the player the per-player
// functions act on, and each player's record with the thirteen states that say what his half
// of the screen does. This file owns these globals; the changes of a player's state go
// through board/player_states.h.
#pragma once

enum GameMode { MODE_ONE_PLAYER = 1, MODE_TWO_PLAYERS = 2, MODE_VERSUS = 3 };

extern int game_mode;        // a GameMode: chosen in the join menu when a game starts
extern int difficulty;       // 0..2; set to 1 when the main loop starts, F3 changes it
extern int current_player;   // the player the per-player functions act on: 0 or 1

enum PlayerState {
  STATE_JOIN_MENU = 1,
  STATE_LEVEL_START = 2,      // the level panel fades in while the quota is counted in
  STATE_PLAYING = 3,
  STATE_LEVEL_COMPLETE = 4,   // the level panel fades in
  STATE_LEVEL_FADE_OUT = 5,   // the level panel fades out, then the next level starts
  STATE_GAME_OVER = 6,
  STATE_VERSUS_WON = 7,       // the winner picture fades in
  STATE_WINNER_FADE_OUT = 8,
  STATE_VERSUS_LOST = 9,      // the loser picture fades in
  STATE_LOSER_FADE_OUT = 10,
  STATE_NAME_ENTRY = 11,
  STATE_HIGH_SCORES = 12,
  STATE_PAUSED = 13,
};

struct PlayerSlot {
  int cursor_column;      // 0..5
  int cursor_row;         // 1..13
  int cursor_anim;        // 0..24
  int level;
  int blocks_to_clear;    // blocks still to clear in this level
  int drop_count;         // blocks landed since the last speed step
  int speed_step;
  unsigned char protect_next;  // the next block started will be protected
  int clear_points;       // points of the last clear, shown by the clear message
  int clear_chain;        // lamps fired while the current clear message runs
  int score;
  int clear_count;        // clears made in this level
  int level_bonus;        // bonus for the finished level
  int state;              // a PlayerState
  int timer;              // join-menu lock, high-score view, game over, name entry
  char name[4];           // three characters and a terminating zero
  int table_rank;         // 1-based row of the high-score table being entered, 0 for none
  int name_cursor;        // 0..2
  int name_letters[3];    // character codes 32..127
  int drop_interval;      // base frames between the starts of two dropped blocks
  int fade_alpha;         // level panel or winner / loser picture, 0..255
  int versus_penalty;     // blocks sent by the opponent's clears
  int message_alpha;      // clear message
  int message_direction;  // +1 or -1
  int message_rise;       // upward offset of the clear message
};

extern PlayerSlot player_slots[2];

extern int menu_selection[2];   // the highlighted join-menu entry, 0..4
extern int pause_run[2];        // pause toggles in a row with no move or turn between

// The other player's index.
inline int opponent_of(int player) { return 1 - player; }
