// Clearing and scoring: when the lamps fire, every tile on a complete path vanishes and
// scores, with a popup each; the clear protects the next block, slows or speeds the game and,
// in versus, sends blocks to the opponent.
#pragma once

constexpr int LAMP_BONUS_ENTRIES = 10;
// The lamp bonus by the number of lamps fired for one clear message, minus one.
extern const int lamp_bonus_table[LAMP_BONUS_ENTRIES];

// What a clear message's lamps are worth. A message that saw no lamp fire earns nothing; more
// than ten lamps earn what ten do, the table's top: the lookup never leaves the table.
int lamp_bonus(int clear_chain);

// Clears the current player's powered tiles as the last power update left them in his power
// map. Only the power update calls it, when no clear is running and some tile is powered.
void clear_powered_tiles();

// Draws the current player's clear points into his clear message and starts the message.
void render_clear_score();
