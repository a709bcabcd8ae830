// The level's bonus table in a player's level panel: three ranges of clear counts with
// their bonus, and at a level's end the bonus earned.
#pragma once

// Writes the table into the player's level panel; at a level's end, higher, with the bonus
// that award_level_bonus decided under it.
void draw_score_panel(int player, bool level_end);
