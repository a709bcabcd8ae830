// Blocks come: the block sequence of a level, level set-up, the drop of one block at a time
// into the columns in turn, the overflow that ends a game, and gravity.
#pragma once

constexpr int QUOTA_PER_LEVEL = 30;  // tiles to clear per level number
inline int level_quota(int level) { return level * QUOTA_PER_LEVEL; }

void generate_supply(int player);
// Sets up the player's next level (or his first, for a new game): its block sequence, speed
// and counters; the caller paints its level panel.
void start_level(int player, bool new_game);
void reset_board(int player, bool full);
void start_next_block(int player);

// Per main-loop pass, for the current player.
void supply_step();
void gravity_step();
void mark_falling();
