// The resource file korvanta.dat: its 41 items, addressed by index, and the catalogue that
// says what each one is. The generator names and sizes its items from this catalogue, and
// the game reaches every item through these names, never through a bare number.
#pragma once

#include <allegro.h>

enum ResourceItem {
  ITEM_BACKGROUND = 0,        // play-screen background, 640 x 480
  ITEM_TILE_CELLS = 1,        // two tile backgrounds, two cell overlays
  ITEM_TILE_PIECES = 2,       // conductor pieces, dark and powered, with bars and quarters
  ITEM_CONDUCTOR_PATTERNS = 3,// 8-bit 5 x 5 conduction patterns of the power maps
  ITEM_VANISH_STRIP = 4,      // 8 frames of a cleared tile vanishing
  ITEM_MENU_HIGHLIGHT = 5,    // seven frames of the pulsing menu highlight
  ITEM_DIFFICULTY_SIGN = 6,   // difficulty labels, one block of 26 rows each
  ITEM_GAME_OVER = 7,         // game-over picture and the table's foot
  ITEM_TITLE = 8,             // title picture and title menu
  ITEM_LAMP_SHEET = 9,        // socket, replacement lamps and the lamps of six colours
  ITEM_VERSUS_LOSER = 10,     // shown by the player whose board overflowed
  ITEM_DIGITS = 11,           // level panel digits 0..9
  ITEM_SCORE_DIGITS = 12,     // clear message digits 0..9
  ITEM_SPARKS = 13,           // 5 frames of a spark
  ITEM_PAUSE = 14,            // pause picture
  ITEM_CURSOR = 15,           // 5 frames of the board cursor
  ITEM_QUIT_QUESTION = 16,    // "quit?" box, 248 x 55
  ITEM_CARRIER = 17,          // 2 frames of the lamp carrier
  ITEM_LEVEL_PANEL = 18,      // level panel background
  ITEM_LEVEL_COMPLETE = 19,   // level-complete picture
  ITEM_LAMP_GLOW = 20,        // glow over a lamp being replaced
  ITEM_LAMP_FLASH = 21,       // flash over a lamp being replaced
  ITEM_POINTS_BACKGROUND = 22,// background of the point sprites
  ITEM_JOIN_MENU = 23,        // join menu; its top heads the high-score view
  ITEM_PATTERN_FROM_LEFT = 24,  // fill pattern: power from the left
  ITEM_PATTERN_FROM_RIGHT = 25, // fill pattern: power from the right
  ITEM_PATTERN_CONNECTED = 26,  // fill pattern: complete path
  ITEM_PATTERN_ARMED = 27,      // fill pattern: complete path about to clear
  ITEM_COLOUR_CHIPS = 28,     // 4 x 6 colour marks of the six lamp colours
  ITEM_VERSUS_WINNER = 29,    // shown by the player who won a versus game
  ITEM_FONT_NUMBERS = 30,     // scores and table lines
  ITEM_FONT_MESSAGES = 31,    // messages and names
  ITEM_FONT_POINTS = 32,      // the numbers on the point sprites
  ITEM_MUSIC = 33,            // background music, always looped
  ITEM_SOUND_BURN_OUT = 34,   // a lamp burns out
  ITEM_SOUND_DRAG = 35,       // a tile is dragged
  ITEM_SOUND_LAND = 36,       // a block lands
  ITEM_SOUND_REFUSAL = 37,    // refusal and error
  ITEM_SOUND_CLICK = 38,      // menu step, tile turn, count-in tick
  ITEM_SOUND_CLEAR = 39,      // a clear starts
  ITEM_SOUND_WARNING = 40,    // height warning
  RESOURCE_ITEM_COUNT = 41
};

enum ResourceKind { RESOURCE_BITMAP, RESOURCE_FONT, RESOURCE_MIDI, RESOURCE_SAMPLE };

struct ResourceEntry {
  ResourceItem item;
  const char *name;   // lower-case file stem; the generator writes "i<NN>_<name>"
  ResourceKind kind;
  int width, height;  // bitmaps only
  int depth;          // bitmaps: 8 for the conduction patterns, else 16 once loaded
};

extern const ResourceEntry RESOURCE_CATALOGUE[RESOURCE_ITEM_COUNT];

// The loaded resource file; null until start-up has loaded it.
extern DATAFILE *game_data;

// Colour conversion for loading korvanta.dat: everything to the screen's depth except
// 8-bit pictures, which keep their palette indices (the conduction patterns are numbers).
void set_resource_color_conversion();

// The fonts are 8-bit colour fonts: printed with colour -1 they show their own colours
// through the default palette, which must be selected again after every screen mode change.
void select_font_palette();

DATAFILE *load_resource_file(const char *path);

// The three fonts of the resource file, copied out once after loading.
extern FONT *font_numbers;   // item 30: scores, table lines
extern FONT *font_messages;  // item 31: messages and names
extern FONT *font_points;    // item 32: the numbers on the point sprites
// Copies the three font handles out of the loaded resource file.
void take_fonts();

// The digit strips of the level panel (item 11) and of the clear message (item 12): the
// digits 0..9 side by side, each this size.
constexpr int DIGIT_WIDTH = 18, DIGIT_HEIGHT = 20;

BITMAP *item_bitmap(ResourceItem item);
FONT *item_font(ResourceItem item);
SAMPLE *item_sample(ResourceItem item);
MIDI *item_midi(ResourceItem item);
