// The boards and the per-player records that the rules share: cells, the falling block, the
// block supply, the clearing phase, lamps, popups, carriers and sparks; the tile kinds with
// their turn tables and point values. A rule that takes a player acts on that player's board;
// one that takes none acts on the board of `current_player`.
#pragma once

#include "base/global_bitmaps.h"  // TILE_KINDS, LAMP_COLOURS

constexpr int BOARD_COLUMNS = 6;
constexpr int BOARD_ROWS = 14;       // row 0 is the supply row, rows 1..13 are played
constexpr int PLAYING_ROWS = 13;
constexpr int TILE_SIZE = 30;
constexpr int PLAYER_X_STEP = 365;   // the right half of the screen lies this far right
constexpr int BOARD_LEFT = 25;       // screen x of column 0 of the left board
constexpr int BOARD_TOP = 20;        // screen y of row 0
constexpr int SUPPLY_LENGTH = 1000;
constexpr int SCORE_POPUPS = 100;
constexpr int SPARKS_PER_ROW = 10;

constexpr int TILE_EMPTY = 0;        // kinds 1..19 are tiles

// Frames between the starts of two dropped blocks never fall below this through the speed-ups.
constexpr int MIN_DROP_INTERVAL = 5;

struct BoardCell {
  int x, y;          // screen position of the top-left corner, set by the board reset
  int y_offset;      // pixels drawn lower while sinking; 0 at rest
  int kind;          // 0..19
  int is_protected;  // a protected tile loses its protection instead of clearing
  int vanish_timer;  // 0, or frames left until the cleared tile is gone
  int power;         // power read back for the tile's (first) conductor
  int power2;        // power of the second conductor of bridges and splits
};

// [player][column][row]
extern BoardCell board[2][BOARD_COLUMNS][BOARD_ROWS];

struct FallingBlock {
  int next_column;   // column of the next drop, 0..5 in turn
  int kind;
  int is_protected;
  int column;
  int step;          // sub-row counter
  int row;           // 0..13
  int delay;         // passes left before it starts to fall
};
extern FallingBlock falling_blocks[2];

struct BlockSupply {
  unsigned char supply_kinds[SUPPLY_LENGTH];  // drawn in advance for the level
  int supply_next;                            // index of the next entry to take
};
extern BlockSupply block_supplies[2];

enum ClearPhase { CLEAR_NONE = 0, CLEAR_ARMED = 1, CLEAR_RUNNING = 2 };
extern int clear_phase[2];
extern int powered_count[2];  // tiles the last power update counted as powered

// Lamp states.
constexpr int LAMP_BURNT_OUT = -1, LAMP_DARK = 0, LAMP_POWERED = 1, LAMP_START_UP = 2;

struct RowLamp {
  int colour;         // 0..5
  int state;          // LAMP_BURNT_OUT, LAMP_DARK, LAMP_POWERED or LAMP_START_UP
  int glow;           // 0..300
  int shots_left;     // firings left before it burns out
  int replacement;    // 0 while working; 1..3 while a new lamp fades in
  int replace_alpha;  // progress of that fade-in, 0..255
  int flash_alpha;    // flash late in the fade-in, 0..255
};
// [player][PowerMap row]; lamp i belongs to board row i + 1.
extern RowLamp row_lamps[2][PLAYING_ROWS];

struct ScorePopup {
  unsigned char column;
  unsigned char row;          // 0 marks a free entry
  unsigned char value_index;  // which points sprite to show
  signed char age;
  float rise, speed;
};
extern ScorePopup score_popups[2][SCORE_POPUPS];

struct LampCarrier {
  int x;                  // 0: inactive
  int target_x, y, target_y;
  unsigned char phase;    // 0 arriving, 1 leaving
  int image;              // 1..3: which new lamp it carries
  int colour;             // 0..5: which colour chip it shows
};
extern LampCarrier lamp_carriers[2][PLAYING_ROWS];

struct Spark {
  int dx;      // -1 or +1
  int x;       // 0: free
  float y;
  int weight;  // 1..10
  float t;
};
extern Spark sparks[2][PLAYING_ROWS][SPARKS_PER_ROW];

extern const int turn_left_table[TILE_KINDS + 1];
extern const int turn_right_table[TILE_KINDS + 1];
extern const int tile_points[TILE_KINDS];  // by kind - 1

// The cell of the current player at (column, row).
BoardCell &cell_at(int column, int row);

// The board's drag rule: a tile that is not sinking slides one column sideways only into an
// empty cell whose column is not sinking there, and never into the falling block's cell or
// the one just below it.
bool may_slide_tile(int player, int column, int row, int target_column);

// A row's lamp receives power, and so can complete a path, unless a new lamp being carried in
// has faded in further than this.
constexpr int LAMP_RECEIVING_ALPHA = 9;
inline bool lamp_receives(const RowLamp &lamp) { return lamp.replace_alpha <= LAMP_RECEIVING_ALPHA; }

inline bool is_bridge(int kind) { return kind == 12 || kind == 13; }
inline bool is_split(int kind) { return kind == 14 || kind == 15; }
