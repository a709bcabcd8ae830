// One player's board on the back buffer: background, level count-in, tiles in their dark
// or powered look with the moving power patterns, vanishing tiles, height warnings, the
// falling block and the cursor.
#pragma once

struct ChannelSeed {
  int dx, dy;
};
// By seed index 1..19 (entry 0 unused): a point inside a conductor of a 30 x 30 tile.
extern const ChannelSeed CHANNEL_SEEDS[20];

extern float power_pattern_phase;  // slides the power patterns: +0.5 per board drawing
extern int warning_alpha;          // alpha of the height overlays, swinging 148..256 by 2
extern int warning_alpha_step;     // +1 or -1: the direction of that swing
extern int board_draw_count[2];    // board drawings per player; paces the warning beeps

// The current player's half: the background (player 0 only), the level count-in and panel
// fades, then the board with its vanish countdown and height warnings. The rules it meets on
// the way (the count-in, which starts play once the quota is in; the vanish countdown; the end
// of a clear once nothing vanishes) are board/'s, called at their point of the frame.
void draw_playfield();
void draw_falling_tile();
// Advances the cursor's animation: five frames of five calls each.
void draw_cursor();
// Fills one conductor of the player's tile at (x, y) on the back buffer with the moving
// pattern of its power, flooding from the conductor's seed point.
void fill_channel_power(int player, int x, int y, int seed_index, int power, int phase);
