#include "base/resources.h"

// Sizes are those the game cuts from each picture; what lies where inside a picture is
// described at the code that draws it (assets/) and at the code that cuts it.
const ResourceEntry RESOURCE_CATALOGUE[RESOURCE_ITEM_COUNT] = {
  {ITEM_BACKGROUND, "background", RESOURCE_BITMAP, 640, 480, 16},
  {ITEM_TILE_CELLS, "tile_cells", RESOURCE_BITMAP, 120, 30, 16},
  {ITEM_TILE_PIECES, "tile_pieces", RESOURCE_BITMAP, 300, 60, 16},
  {ITEM_CONDUCTOR_PATTERNS, "conductor_patterns", RESOURCE_BITMAP, 114, 5, 8},
  {ITEM_VANISH_STRIP, "vanish_strip", RESOURCE_BITMAP, 240, 30, 16},
  {ITEM_MENU_HIGHLIGHT, "menu_highlight", RESOURCE_BITMAP, 157, 252, 16},
  {ITEM_DIFFICULTY_SIGN, "difficulty_sign", RESOURCE_BITMAP, 56, 78, 16},
  {ITEM_GAME_OVER, "game_over", RESOURCE_BITMAP, 162, 146, 16},
  {ITEM_TITLE, "title", RESOURCE_BITMAP, 176, 496, 16},
  {ITEM_LAMP_SHEET, "lamp_sheet", RESOURCE_BITMAP, 46, 176, 16},
  {ITEM_VERSUS_LOSER, "versus_loser", RESOURCE_BITMAP, 68, 110, 16},
  {ITEM_DIGITS, "digits", RESOURCE_BITMAP, 180, 20, 16},
  {ITEM_SCORE_DIGITS, "score_digits", RESOURCE_BITMAP, 180, 20, 16},
  {ITEM_SPARKS, "sparks", RESOURCE_BITMAP, 50, 10, 16},
  {ITEM_PAUSE, "pause", RESOURCE_BITMAP, 68, 60, 16},
  {ITEM_CURSOR, "cursor", RESOURCE_BITMAP, 210, 42, 16},
  {ITEM_QUIT_QUESTION, "quit_question", RESOURCE_BITMAP, 248, 55, 16},
  {ITEM_CARRIER, "carrier", RESOURCE_BITMAP, 72, 26, 16},
  {ITEM_LEVEL_PANEL, "level_panel", RESOURCE_BITMAP, 142, 166, 16},
  {ITEM_LEVEL_COMPLETE, "level_complete", RESOURCE_BITMAP, 120, 230, 16},
  {ITEM_LAMP_GLOW, "lamp_glow", RESOURCE_BITMAP, 38, 32, 16},
  {ITEM_LAMP_FLASH, "lamp_flash", RESOURCE_BITMAP, 38, 32, 16},
  {ITEM_POINTS_BACKGROUND, "points_background", RESOURCE_BITMAP, 20, 20, 16},
  {ITEM_JOIN_MENU, "join_menu", RESOURCE_BITMAP, 164, 245, 16},
  {ITEM_PATTERN_FROM_LEFT, "pattern_from_left", RESOURCE_BITMAP, 16, 16, 16},
  {ITEM_PATTERN_FROM_RIGHT, "pattern_from_right", RESOURCE_BITMAP, 16, 16, 16},
  {ITEM_PATTERN_CONNECTED, "pattern_connected", RESOURCE_BITMAP, 16, 16, 16},
  {ITEM_PATTERN_ARMED, "pattern_armed", RESOURCE_BITMAP, 16, 16, 16},
  {ITEM_COLOUR_CHIPS, "colour_chips", RESOURCE_BITMAP, 4, 36, 16},
  {ITEM_VERSUS_WINNER, "versus_winner", RESOURCE_BITMAP, 68, 110, 16},
  {ITEM_FONT_NUMBERS, "font_numbers", RESOURCE_FONT, 0, 0, 0},
  {ITEM_FONT_MESSAGES, "font_messages", RESOURCE_FONT, 0, 0, 0},
  {ITEM_FONT_POINTS, "font_points", RESOURCE_FONT, 0, 0, 0},
  {ITEM_MUSIC, "music", RESOURCE_MIDI, 0, 0, 0},
  {ITEM_SOUND_BURN_OUT, "sound_burn_out", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_DRAG, "sound_drag", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_LAND, "sound_land", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_REFUSAL, "sound_refusal", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_CLICK, "sound_click", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_CLEAR, "sound_clear", RESOURCE_SAMPLE, 0, 0, 0},
  {ITEM_SOUND_WARNING, "sound_warning", RESOURCE_SAMPLE, 0, 0, 0},
};

DATAFILE *game_data = nullptr;

FONT *font_numbers;
FONT *font_messages;
FONT *font_points;

void take_fonts()
{
  font_numbers = item_font(ITEM_FONT_NUMBERS);
  font_messages = item_font(ITEM_FONT_MESSAGES);
  font_points = item_font(ITEM_FONT_POINTS);
}

void set_resource_color_conversion()
{
  set_color_conversion((COLORCONV_TOTAL | COLORCONV_KEEP_TRANS) & ~COLORCONV_EXPAND_256);
}

void select_font_palette() { set_palette(default_palette); }

DATAFILE *load_resource_file(const char *path)
{
  set_resource_color_conversion();
  select_font_palette();
  return load_datafile(path);
}

BITMAP *item_bitmap(ResourceItem item) { return static_cast<BITMAP *>(game_data[item].dat); }
FONT *item_font(ResourceItem item) { return static_cast<FONT *>(game_data[item].dat); }
SAMPLE *item_sample(ResourceItem item) { return static_cast<SAMPLE *>(game_data[item].dat); }
MIDI *item_midi(ResourceItem item) { return static_cast<MIDI *>(game_data[item].dat); }
