// A player's level panel: painted when a level starts (the level, its quota of tiles and the
// bonus table) and when it is complete (the level-complete picture and the bonus earned),
// drawn over the board at its fade, and the quota counted down in it while the level begins.
#pragma once

#include <allegro.h>

constexpr int QUOTA_Y = 107;  // top of the quota's digits in the panel

// The panel of the level the player starts now.
void paint_level_panel(int player);
// The panel of the level just completed, with the bonus it earned.
void paint_level_complete_panel(int player);
// The panel over the player's board at its `fade_alpha`.
void draw_level_panel(int player);

void draw_panel_digit(BITMAP *panel, int digit, int x, int y);

// The x of the units digit: three places hold quotas up to 999; a quota of more digits gets
// a place more per digit, so that no digit is lost and none jumps while the count runs down.
int quota_units_x(int quota);

// Writes a number of the quota's width, right-aligned, without leading zeros.
void draw_quota_number(BITMAP *panel, int value, int quota);
