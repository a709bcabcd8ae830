// Clearing and scoring: when the lamps fire, every tile on a complete path vanishes and
// scores, with a popup each; the clear protects the next block, slows or speeds the game and,
// in versus, sends blocks to the opponent.
#pragma once

struct BoardCell;

// A cleared tile's timer counts down its last frames, in which the vanish strip plays; an
// overflow's tiles start higher and wait, top rows longest, before theirs begin.
constexpr int VANISH_FRAMES = 14;

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

// The clear message at full strength: the clear's points and its lamps' bonus go to the score,
// and the powered count under the board is done with.
void book_clear_points(int player);
// The clear message has faded out: its points and lamps are forgotten. True when that leaves
// no tiles to clear, and so completes the level.
bool end_clear_message(int player);

// The clear is over once none of the player's tiles is still vanishing.
void end_clear(int player);

// The vanish countdown of a cleared tile, run as the board is drawn: a tile waiting to vanish
// counts down; one vanishing shows a frame of the strip, then counts down, and its cell is
// empty once the strip has run.
void wait_to_vanish(BoardCell &cell);
bool is_vanishing(const BoardCell &cell);
void advance_vanish(BoardCell &cell);
