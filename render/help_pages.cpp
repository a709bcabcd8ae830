#include "render/help_pages.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/clearing.h"
#include "board/level_bonus.h"
#include "render/playfield.h"

namespace {

constexpr int LINE_STEP = 16;              // body lines of the messages font
constexpr int PAGE_LEFT = 40, PAGE_WIDTH = 560;
constexpr int BODY_TOP = 52;
constexpr int BACKDROP_ALPHA = 240;        // how far the play screen behind the text is darkened
constexpr int HEADER_Y = 14, RULE_Y = 36, FOOTER_RULE_Y = 440, FOOTER_Y = 452;
constexpr int PAGE_LAMPS_X = 320 - (HELP_PAGE_COUNT * 28 - 6) / 2, PAGE_LAMPS_Y = 448;
constexpr int LONGEST_LINE = 200;          // characters of one printed line
constexpr int LONGEST_PARAGRAPH = 600;     // characters of a paragraph made with numbers in it

int gold() { return makecol(255, 196, 76); }
int text() { return makecol(230, 236, 238); }
int cyan() { return makecol(110, 220, 255); }
int dim() { return makecol(120, 130, 140); }

// --- Text ---------------------------------------------------------------------------------

// Prints `text` in lines no wider than `width`, breaking between words, and returns the y
// under the last line; with no target it only measures. Each line is copied out first, since
// the library measures whole strings.
int print_wrapped(BITMAP *target, int x, int y, int width, int colour, const char *text)
{
  char line[LONGEST_LINE + 1];
  while (*text) {
    int fitting = 0;
    for (int next = 0; text[next] != '\0';) {
      while (text[next] == ' ') next++;
      while (text[next] != '\0' && text[next] != ' ') next++;
      if (next > LONGEST_LINE) break;
      memcpy(line, text, next);
      line[next] = '\0';
      if (fitting != 0 && text_length(font_messages, line) > width) break;
      fitting = next;
    }
    if (fitting == 0) fitting = static_cast<int>(strnlen(text, LONGEST_LINE));
    memcpy(line, text, fitting);
    line[fitting] = '\0';
    if (target) textout_ex(target, font_messages, line, x, y, colour, -1);
    y += LINE_STEP;
    text += fitting;
    while (*text == ' ') text++;
  }
  return y;
}

// A heading in gold, then its paragraph under it.
int print_section(BITMAP *target, int y, const char *heading, const char *body)
{
  textout_ex(target, font_messages, heading, PAGE_LEFT, y, gold(), -1);
  return print_wrapped(target, PAGE_LEFT, y + LINE_STEP, PAGE_WIDTH, text(), body) + 6;
}

// --- Tiles and lamps ------------------------------------------------------------------------

constexpr int STRAIGHT = 1, UPRIGHT = 2, ELBOW = 3, CROSS = 11;

enum TileLook { LOOK_DARK, LOOK_FROM_LEFT, LOOK_FROM_LAMP, LOOK_CONNECTED, LOOK_ARMED };

// A tile as the board shows it: copper without power, otherwise its conductor filled with
// the moving pattern of its power. The left and connected patterns slide right and down, the
// pattern from the lamps left and up.
void draw_tile(BITMAP *target, int kind, TileLook look, bool riveted, int x, int y, int phase)
{
  const int set = riveted ? 2 : 0;
  if (look == LOOK_DARK) {
    draw_sprite(target, tile_sprites[set][kind], x, y);
    return;
  }
  draw_sprite(target, tile_sprites[set + 1][kind], x, y);
  static constexpr ResourceItem PATTERNS[] = {ITEM_PATTERN_FROM_LEFT, ITEM_PATTERN_FROM_LEFT,
                                              ITEM_PATTERN_FROM_RIGHT, ITEM_PATTERN_CONNECTED,
                                              ITEM_PATTERN_ARMED};
  const int offset = look == LOOK_FROM_LAMP ? -phase : phase;
  drawing_mode(DRAW_MODE_COPY_PATTERN, item_bitmap(PATTERNS[look]), offset, offset);
  const ChannelSeed &seed = CHANNEL_SEEDS[kind];
  floodfill(target, x + seed.dx, y + seed.dy, makecol(10, 10, 10));
  solid_mode();
}

// A socket, and in it a lamp of the colour when it is lit.
void draw_lamp(BITMAP *target, int x, int y, int colour, bool lit)
{
  draw_sprite(target, lamp_socket_sprite, x, y);
  if (lit) draw_sprite(target, lamp_sprites[2 * colour], x, y);
}

struct BoardTile {
  int kind;
  TileLook look;
};

// A row of a board: the well, the power bar at its left edge, the tiles, and the row's lamp.
void draw_board_row(BITMAP *target, int x, int y, const BoardTile (&tiles)[BOARD_COLUMNS],
                    int lamp_colour, bool lamp_lit, int phase)
{
  rectfill(target, x - 4, y, x + TILE_SIZE * BOARD_COLUMNS + 3, y + TILE_SIZE - 1,
           makecol(8, 15, 14));
  rectfill(target, x - 4, y + 2, x - 2, y + TILE_SIZE - 3, makecol(150, 232, 255));
  for (int column = 0; column < BOARD_COLUMNS; column++)
    draw_tile(target, tiles[column].kind, tiles[column].look, false, x + TILE_SIZE * column, y,
              phase);
  const int lamp_x = x + TILE_SIZE * BOARD_COLUMNS + 8;
  draw_lamp(target, lamp_x, y + (TILE_SIZE - LAMP_SIZE) / 2, lamp_colour, lamp_lit);
}

// --- Pages ------------------------------------------------------------------------------------

void draw_goal_page(BITMAP *target, const HelpControls &controls, int phase)
{
  int y = print_wrapped(
      target, PAGE_LEFT, BODY_TOP, PAGE_WIDTH, text(),
      "Power enters every row of your board at its left edge. Turn and slide the tiles that "
      "drop in so that it runs through to the lamps on the right: lit lamps fire together and "
      "clear every tile on their paths.");
  y = print_wrapped(target, PAGE_LEFT, y + 6, PAGE_WIDTH, text(),
                    "Clear a level's quota of tiles to reach the next level. The game is over "
                    "when a block finds its column full.");

  constexpr BoardTile JOINED[BOARD_COLUMNS] = {
      {STRAIGHT, LOOK_CONNECTED}, {STRAIGHT, LOOK_CONNECTED}, {CROSS, LOOK_CONNECTED},
      {STRAIGHT, LOOK_CONNECTED}, {STRAIGHT, LOOK_CONNECTED}, {STRAIGHT, LOOK_CONNECTED}};
  constexpr BoardTile BROKEN[BOARD_COLUMNS] = {
      {STRAIGHT, LOOK_FROM_LEFT}, {CROSS, LOOK_FROM_LEFT},      {UPRIGHT, LOOK_DARK},
      {UPRIGHT, LOOK_DARK},       {STRAIGHT, LOOK_FROM_LAMP}, {STRAIGHT, LOOK_FROM_LAMP}};
  const int board_x = PAGE_LEFT + 16, board_y = y + 14;
  draw_board_row(target, board_x, board_y, JOINED, 2, true, phase);
  draw_board_row(target, board_x, board_y + TILE_SIZE, BROKEN, 3, false, phase);
  const int caption_x = board_x + TILE_SIZE * BOARD_COLUMNS + 44;
  print_wrapped(target, caption_x, board_y + 1, PAGE_LEFT + PAGE_WIDTH - caption_x, text(),
                "Joined through: the lamp lights.");
  print_wrapped(target, caption_x, board_y + TILE_SIZE + 1, PAGE_LEFT + PAGE_WIDTH - caption_x,
                text(), "Turn the two upright tiles, and this row lights too.");

  char confirm[LONGEST_PARAGRAPH];
  snprintf(confirm, sizeof confirm,
           "Each player has a menu of his own: his up and down keys choose, his drag key "
           "confirms (Player 1: %s, Player 2: %s). One player plays alone; two players play "
           "side by side with the same blocks; in versus each clear drops blocks onto the "
           "other board.",
           controls.players[0].confirm, controls.players[1].confirm);
  y = print_section(target, board_y + 2 * TILE_SIZE + 18, "starting a game", confirm);
  print_section(target, y, "these pages",
                "F4 opens them on the title and in the menus, while nobody plays.");
}

void draw_controls_column(BITMAP *target, int x, int player, const HelpControlsColumn &column)
{
  constexpr int INPUT_DX = 120, ROW_STEP = 18;
  char heading[LONGEST_LINE];
  snprintf(heading, sizeof heading, "Player %d: %s", player + 1, column.device);
  textout_ex(target, font_messages, heading, x, BODY_TOP, gold(), -1);
  const int input_colour = column.computer ? dim() : cyan();
  for (int row = 0; row < HELP_CONTROL_ROWS; row++) {
    const int y = BODY_TOP + 24 + ROW_STEP * row;
    textout_ex(target, font_messages, column.labels[row], x, y, text(), -1);
    textout_ex(target, font_messages, column.inputs[row], x + INPUT_DX, y, input_colour, -1);
  }
  print_wrapped(target, x, BODY_TOP + 24 + ROW_STEP * HELP_CONTROL_ROWS + 4, 260, dim(),
                column.note);
}

void draw_controls_page(BITMAP *target, const HelpControls &controls, int)
{
  for (int player = 0; player < 2; player++)
    draw_controls_column(target, PAGE_LEFT + 290 * player, player, controls.players[player]);
  int y = print_section(target, 256, "drag",
                        "Hold it while moving sideways to slide the tile into the empty cell "
                        "beside it. It also confirms in the menus and saves your name in the "
                        "high-score table.");
  y = print_section(target, y, "pause",
                    "It stops only your own board. Six presses in a row, without a move "
                    "between, leave the game.");
  print_section(target, y, "other keys, other devices",
                "The controls entry of the title or of your menu rebinds the keys and sets "
                "each player's device: keyboard, mouse, gamepad, or the computer.");
}

struct TileExample {
  int kind;
  TileLook look;
  bool riveted;
  const char *text;
};

constexpr TileExample TILE_EXAMPLES[] = {
    {ELBOW, LOOK_DARK, false, "Copper: no power reaches it yet."},
    {STRAIGHT, LOOK_FROM_LEFT, false, "Blue: fed from the left edge, where power enters every row."},
    {STRAIGHT, LOOK_FROM_LAMP, false, "Violet: fed back from a lamp, not yet from the left edge."},
    {STRAIGHT, LOOK_CONNECTED, false,
     "Green: a complete path from the left edge to a lamp, which lights and charges."},
    {STRAIGHT, LOOK_ARMED, false, "Pink and white: the lamps are firing, this path clears now."},
    {CROSS, LOOK_DARK, true,
     "Riveted plate: the block after every clear comes riveted. A clear only takes its rivets "
     "off (5 points); a later one takes the tile."},
};

void draw_tiles_page(BITMAP *target, const HelpControls &, int phase)
{
  constexpr int TEXT_DX = 48, ROW_STEP = 38;
  int y = BODY_TOP;
  for (const TileExample &example : TILE_EXAMPLES) {
    draw_tile(target, example.kind, example.look, example.riveted, PAGE_LEFT + 6, y, phase);
    // A caption of one line stands level with the tile's middle.
    const int width = PAGE_WIDTH - TEXT_DX;
    const bool one_line = print_wrapped(nullptr, 0, 0, width, 0, example.text) == LINE_STEP;
    print_wrapped(target, PAGE_LEFT + TEXT_DX, y + (one_line ? 7 : 0), width, text(), example.text);
    y += ROW_STEP;
  }

  // A lit lamp, and a high column under its warning glow.
  draw_lamp(target, PAGE_LEFT + 10, y + 4, 0, true);
  print_wrapped(target, PAGE_LEFT + TEXT_DX, y, PAGE_WIDTH - TEXT_DX, text(),
                "A lamp lights when its row is joined through. Once no lit lamp is still "
                "charging (about two seconds) they all fire together. After a few firings a "
                "lamp burns out; while a new one is carried in, its row cannot clear.");
  y += 3 * LINE_STEP + 10;
  draw_tile(target, ELBOW, LOOK_DARK, false, PAGE_LEFT + 6, y, phase);
  set_trans_blender(0, 0, 0, 230);
  draw_trans_sprite(target, cell_overlay_sprites[1], PAGE_LEFT + 6, y);
  print_wrapped(target, PAGE_LEFT + TEXT_DX, y, PAGE_WIDTH - TEXT_DX, text(),
                "A column near the top glows, and beeps: once a block finds its column full, "
                "the game is over.");
}

void draw_numbers_page(BITMAP *target, const HelpControls &, int)
{
  static constexpr const char *HUD_LINES[][2] = {
      {"SCORE", "the points of every cleared tile (5 to 40 each), and the bonuses"},
      {"LEVEL", "a level is won by clearing 30 tiles times its number"},
      {"BLOCKS", "the tiles still to clear in this level"},
      {"CLEARS", "the clears made in this level"},
  };
  int y = BODY_TOP;
  for (const auto &line : HUD_LINES) {
    textout_ex(target, font_messages, line[0], PAGE_LEFT, y, gold(), -1);
    textout_ex(target, font_messages, line[1], PAGE_LEFT + 70, y, text(), -1);
    y += LINE_STEP + 2;
  }

  textout_ex(target, font_messages, "lamp bonus: by the lamps fired together in one clear",
             PAGE_LEFT, y + 8, gold(), -1);
  y += 8 + LINE_STEP + 2;
  char cell[16];
  for (int lamps = 2; lamps <= LAMP_BONUS_ENTRIES; lamps++) {
    const int x = PAGE_LEFT + 62 * (lamps - 2);
    snprintf(cell, sizeof cell, lamps == LAMP_BONUS_ENTRIES ? "%d+" : "%d", lamps);
    textout_centre_ex(target, font_messages, cell, x + 24, y, cyan(), -1);
    snprintf(cell, sizeof cell, "%d", lamp_bonus(lamps));
    textout_centre_ex(target, font_numbers, cell, x + 24, y + LINE_STEP, -1, -1);
  }
  y += 2 * LINE_STEP + 12;

  int ends[6];
  level_bonus_ranges(3, ends);
  char body[LONGEST_PARAGRAPH];
  snprintf(body, sizeof body,
           "Before each level a table shows the bonus for finishing it in few clears: at "
           "level 3, %d to %d clears earn %d, %d to %d earn %d, %d to %d earn %d, more earn "
           "nothing. Each level widens the ranges.",
           ends[0], ends[1], LEVEL_BONUS_VALUES[0], ends[2], ends[3], LEVEL_BONUS_VALUES[1],
           ends[4], ends[5], LEVEL_BONUS_VALUES[2]);
  y = print_section(target, y, "level bonus", body);
  print_section(target, y, "speed",
                "Blocks come faster as they land, and a step slower after each clear. A clear "
                "of fewer than 15 tiles makes them faster for the rest of the level, one of 9 "
                "or fewer faster still: the line under the board says so before the lamps "
                "fire (\"-> +speed\", \"-> ++speed\"). F3 sets the difficulty.");
}

void draw_versus_page(BITMAP *target, const HelpControls &, int)
{
  int y = print_section(target, BODY_TOP, "two players",
                        "Each plays his own game, side by side, with the same blocks.");
  y = print_section(target, y, "versus",
                    "No levels: each clear drops half as many blocks as it cleared onto the "
                    "other board at once, and the first board to overflow loses. To play "
                    "against the computer, make the other player's device a computer in the "
                    "controls, then start versus from your menu.");
  y = print_section(target, y, "pause",
                    "A pause stops only your own board: the other player plays on.");

  static constexpr const char *GLOBAL_KEYS[][2] = {
      {"F1", "music on or off"},
      {"F2", "full screen or a window"},
      {"F3", "difficulty: easy, normal, hard (while nobody plays)"},
      {"F4", "these pages (while nobody plays)"},
      {"ESC", "asks whether to quit: Y or Z leaves, N goes on; on the title, leaves"},
      {"ENTER", "confirms on the title, whose menu the cursor keys move; each player's own"},
      {"", "menu takes his own keys"},
  };
  textout_ex(target, font_messages, "keys for everyone", PAGE_LEFT, y + 4, gold(), -1);
  y += LINE_STEP + 8;
  for (const auto &line : GLOBAL_KEYS) {
    textout_ex(target, font_messages, line[0], PAGE_LEFT, y, cyan(), -1);
    textout_ex(target, font_messages, line[1], PAGE_LEFT + 56, y, text(), -1);
    y += LINE_STEP + 2;
  }
}

struct HelpPage {
  const char *title;
  void (*draw)(BITMAP *target, const HelpControls &controls, int phase);
};

constexpr HelpPage PAGES[HELP_PAGE_COUNT] = {
    {"the goal", draw_goal_page},
    {"the controls", draw_controls_page},
    {"tiles and lamps", draw_tiles_page},
    {"the numbers", draw_numbers_page},
    {"versus and the keys for everyone", draw_versus_page},
};

// --- The frame of every page ----------------------------------------------------------------

// The play screen's circuit board, darkened so that the text stands out on it.
void draw_backdrop(BITMAP *target)
{
  blit(item_bitmap(ITEM_BACKGROUND), target, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
  set_trans_blender(0, 0, 0, BACKDROP_ALPHA);
  rectfill(target, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, makecol(5, 14, 12));
  solid_mode();
}

// The title above a copper rule; below the rule at the foot, one lamp a page, the page's own
// lit, between the keys that turn and close.
void draw_frame(BITMAP *target, int page)
{
  textout_ex(target, font_numbers, "HOW TO PLAY", 20, HEADER_Y, -1, -1);
  textout_right_ex(target, font_messages, PAGES[page].title, SCREEN_WIDTH - 20, HEADER_Y + 1,
                   gold(), -1);
  for (const int y : {RULE_Y, FOOTER_RULE_Y}) {
    hline(target, 20, y, SCREEN_WIDTH - 21, makecol(156, 88, 42));
    hline(target, 20, y + 1, SCREEN_WIDTH - 21, makecol(82, 42, 18));
  }
  for (int lamp = 0; lamp < HELP_PAGE_COUNT; lamp++)
    draw_lamp(target, PAGE_LAMPS_X + 28 * lamp, PAGE_LAMPS_Y, lamp % LAMP_COLOURS, lamp == page);
  textout_ex(target, font_messages, "left / right: turn the page", 20, FOOTER_Y, dim(), -1);
  textout_right_ex(target, font_messages, "ESC or drag key: close", SCREEN_WIDTH - 20, FOOTER_Y,
                   dim(), -1);
}

}  // namespace

const char *help_page_title(int page)
{
  return page >= 0 && page < HELP_PAGE_COUNT ? PAGES[page].title : "";
}

void draw_help_page(BITMAP *target, int page, const HelpControls &controls, int phase)
{
  if (page < 0 || page >= HELP_PAGE_COUNT) page = 0;
  draw_backdrop(target);
  draw_frame(target, page);
  PAGES[page].draw(target, controls, phase);
}
