// One player's board on the back buffer: background, level count-in, tiles in their dark
// or powered look with the moving power patterns, vanishing tiles, height warnings, the
// falling block and the cursor.
#pragma once

struct ChannelSeed {
  int dx, dy;
};
// By seed index 1..19 (entry 0 unused): a point inside a conductor of a 30 x 30 tile.
extern const ChannelSeed CHANNEL_SEEDS[20];

extern float power_pattern_phase;
extern int warning_alpha;
extern int warning_alpha_step;
extern int board_draw_count[2];

void draw_playfield();
void draw_falling_tile();
void draw_cursor();
void fill_channel_power(int x, int y, int seed_index, int power, int phase);
