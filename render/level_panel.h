// The numbers of a player's level panel: the level's quota of tiles, written at a level's
// start and counted down while the level begins, in the 18 x 20 digits of the panel.
#pragma once

#include <allegro.h>

constexpr int QUOTA_PER_LEVEL = 30;  // tiles to clear per level number
constexpr int QUOTA_Y = 107;         // top of the quota's digits in the panel

inline int level_quota(int level) { return level * QUOTA_PER_LEVEL; }

void draw_panel_digit(BITMAP *panel, int digit, int x, int y);

// The x of the units digit: three places hold quotas up to 999; a quota of more digits gets
// a place more per digit, so that no digit is lost and none jumps while the count runs down.
int quota_units_x(int quota);

// Writes a number of the quota's width, right-aligned, without leading zeros.
void draw_quota_number(BITMAP *panel, int value, int quota);
