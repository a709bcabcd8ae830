// Korvanta's colours, chosen once for every picture of korvanta.dat. The theme: the game sits
// on a dark green circuit board with copper traces; frames and tile faces are brushed steel lit
// from the upper left; conductors are copper until power runs through them and then glow; the
// six lamps are coloured glass. Pictures take their colours from here (shading them with
// `shade` and `mix`), never from numbers of their own.
#pragma once

#include <allegro.h>

struct Rgb {
  int r, g, b;
  // Needs the generator's colour depth to be set, as every picture does.
  int colour() const { return makecol(r, g, b); }
};

namespace palette {

// The circuit board: the panels the game sits on, darkest first.
constexpr Rgb board_shadow{5, 14, 12};
constexpr Rgb board{11, 30, 26};
constexpr Rgb board_raised{19, 48, 41};
constexpr Rgb trace{32, 76, 62};       // copper traces under the green solder mask
constexpr Rgb trace_lit{58, 122, 98};
constexpr Rgb pad{196, 154, 72};       // bare, tinned copper: pads and vias

// Brushed steel: frames, bezels and tile faces, darkest first.
constexpr Rgb steel_shadow{24, 28, 34};
constexpr Rgb steel_dark{58, 66, 76};
constexpr Rgb steel{112, 122, 134};
constexpr Rgb steel_light{172, 182, 194};
constexpr Rgb steel_highlight{232, 238, 244};

// Copper conductors without power.
constexpr Rgb copper_dark{82, 42, 18};
constexpr Rgb copper{156, 88, 42};
constexpr Rgb copper_light{218, 148, 88};

// Power, by the way it reaches a conductor: deep and bright tone of each.
constexpr Rgb power_left_deep{10, 90, 190};       // from the left edge
constexpr Rgb power_left{150, 232, 255};
constexpr Rgb power_right_deep{96, 40, 170};      // back from the lamps
constexpr Rgb power_right{222, 190, 255};
constexpr Rgb power_connected_deep{20, 150, 70};  // through from edge to lamp
constexpr Rgb power_connected{210, 255, 200};
constexpr Rgb power_armed_deep{200, 30, 20};      // about to clear
constexpr Rgb power_armed{255, 244, 210};

// Lettering.
constexpr Rgb text{230, 236, 238};
constexpr Rgb caption{255, 196, 76};   // labels and headings: warm gold
constexpr Rgb accent{110, 220, 255};   // highlights: electric cyan
constexpr Rgb warning{255, 84, 56};

// The six lamp colours, in the game's colour order: the lamp sheet, the colour marks and the
// carriers all use them.
constexpr Rgb lamps[6] = {{255, 214, 40}, {40, 140, 255}, {60, 220, 80},
                          {255, 50, 90},  {255, 130, 20}, {170, 80, 255}};

// Screens and signs: the menus, the title and the pictures laid over the boards.
constexpr Rgb alarm_glass{128, 20, 16};    // the game-over head: a red warning lamp's glass
constexpr Rgb alarm_glow{255, 60, 40};
constexpr Rgb inset{6, 18, 16};            // windows that the game prints into
constexpr Rgb difficulty_easy{90, 230, 110};
constexpr Rgb display_glass{10, 64, 124};  // the pause sign: a lit blue indicator window

}  // namespace palette
