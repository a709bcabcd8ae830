// korvanta_assets <folder>: draws every item of korvanta.dat into the folder and writes the
// manifest from which the build packs the resource file.
#include <allegro.h>

#include <cstdio>

#include "assets/art.h"

namespace {

const ItemMaker MAKERS[RESOURCE_ITEM_COUNT] = {
  make_background,        make_tile_cells,         make_tile_pieces,
  make_conductor_patterns, make_vanish_strip,      make_menu_highlight,
  make_difficulty_sign,   make_game_over,          make_title,
  make_lamp_sheet,        make_versus_loser,       make_digits,
  make_score_digits,      make_sparks,             make_pause,
  make_cursor,            make_quit_question,      make_carrier,
  make_level_panel,       make_level_complete,     make_lamp_glow,
  make_lamp_flash,        make_points_background,  make_join_menu,
  make_pattern_from_left, make_pattern_from_right, make_pattern_connected,
  make_pattern_armed,     make_colour_chips,       make_versus_winner,
  make_font_numbers,      make_font_messages,      make_font_points,
  make_music,             make_sound_burn_out,     make_sound_drag,
  make_sound_land,        make_sound_refusal,      make_sound_click,
  make_sound_clear,       make_sound_warning,
};

}  // namespace

int main(int argc, char **argv)
{
  if (argc != 2) {
    fprintf(stderr, "usage: korvanta_assets <output folder>\n");
    return 2;
  }
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);

  ItemOutput out(argv[1]);
  for (ItemMaker make : MAKERS) make(out);
  if (out.failed()) {
    fprintf(stderr, "korvanta_assets: could not write every item\n");
    return 1;
  }
  return 0;
}
