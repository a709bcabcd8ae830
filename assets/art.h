// One maker per item of korvanta.dat, each writing its item to the output. The generator
// calls them in index order.
#pragma once

#include "assets/item_output.h"

using ItemMaker = void (*)(ItemOutput &);

// background_art.cpp
void make_background(ItemOutput &out);

// board_art.cpp
void make_tile_cells(ItemOutput &out);
void make_tile_pieces(ItemOutput &out);
void make_conductor_patterns(ItemOutput &out);
void make_vanish_strip(ItemOutput &out);

// pattern_art.cpp
void make_pattern_from_left(ItemOutput &out);
void make_pattern_from_right(ItemOutput &out);
void make_pattern_connected(ItemOutput &out);
void make_pattern_armed(ItemOutput &out);

// effect_art.cpp
void make_sparks(ItemOutput &out);
void make_cursor(ItemOutput &out);
void make_carrier(ItemOutput &out);

// screen_art.cpp
void make_menu_highlight(ItemOutput &out);
void make_difficulty_sign(ItemOutput &out);
void make_game_over(ItemOutput &out);
void make_title(ItemOutput &out);
void make_versus_loser(ItemOutput &out);
void make_pause(ItemOutput &out);
void make_quit_question(ItemOutput &out);
void make_level_panel(ItemOutput &out);
void make_level_complete(ItemOutput &out);
void make_join_menu(ItemOutput &out);
void make_versus_winner(ItemOutput &out);

// lamp_art.cpp
void make_lamp_sheet(ItemOutput &out);
void make_lamp_glow(ItemOutput &out);
void make_lamp_flash(ItemOutput &out);
void make_points_background(ItemOutput &out);
void make_colour_chips(ItemOutput &out);

// digit_art.cpp
void make_digits(ItemOutput &out);
void make_score_digits(ItemOutput &out);

// fonts.cpp
void make_font_numbers(ItemOutput &out);
void make_font_messages(ItemOutput &out);
void make_font_points(ItemOutput &out);

// music.cpp
void make_music(ItemOutput &out);

// sounds.cpp
void make_sound_burn_out(ItemOutput &out);
void make_sound_drag(ItemOutput &out);
void make_sound_land(ItemOutput &out);
void make_sound_refusal(ItemOutput &out);
void make_sound_click(ItemOutput &out);
void make_sound_clear(ItemOutput &out);
void make_sound_warning(ItemOutput &out);

// The six lamp colours, shared by the lamp sheet, the colour chips and the carriers.
int lamp_colour(int index);
