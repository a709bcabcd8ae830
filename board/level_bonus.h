// The level bonus: the fewer clears a level took, the bigger its bonus. Three ranges of
// clear counts, which widen with the level, earn 1000, 500 and 100; more clears earn none.
#pragma once

extern const int LEVEL_BONUS_VALUES[3];

// The six range ends for a level: low 1, high 1, low 2, high 2, low 3, high 3.
void level_bonus_ranges(int level, int ends[6]);

// Decides the player's `level_bonus` from his clears in the level just completed.
void award_level_bonus(int player);
