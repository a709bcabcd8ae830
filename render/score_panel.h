// The level's bonus table in a player's level panel: three ranges of clear counts with
// their bonus, and at a level's end the bonus earned.
#pragma once

extern const int LEVEL_BONUS_VALUES[3];

// The six range ends for a level: low 1, high 1, low 2, high 2, low 3, high 3.
void level_bonus_ranges(int level, int ends[6]);

void draw_score_panel(int player, bool level_end);
