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
constexpr Rgb power_armed_deep{235, 20, 90};      // about to clear
constexpr Rgb power_armed{255, 246, 250};

// Lettering.
constexpr Rgb text{230, 236, 238};
constexpr Rgb caption{255, 196, 76};   // labels and headings: warm gold
constexpr Rgb accent{110, 220, 255};   // highlights: electric cyan
constexpr Rgb warning{255, 84, 56};

// The six lamp colours, in the game's colour order: the lamp sheet, the colour marks and the
// carriers all use them.
// Amber, blue, green, red, teal and violet: neighbours in the order differ in hue by far
// more than the glass shading changes them, so a row's next lamp never looks like its last.
constexpr Rgb lamps[6] = {{255, 196, 24}, {44, 116, 255}, {52, 214, 72},
                          {236, 36, 44},  {28, 214, 208}, {176, 70, 255}};

// Lamps and lettering.
constexpr Rgb glass_dark{8, 12, 16};        // an empty socket's smoked glass
constexpr Rgb glow_warm{255, 238, 190};     // the glow over a lamp being brought in
constexpr Rgb coin_face{250, 244, 222};     // the chip under a tile's points
constexpr Rgb coin_rim{206, 168, 84};
constexpr Rgb number_light{255, 250, 208};  // gold numbers: light top, gold body, deep base
constexpr Rgb number_gold{255, 200, 40};
constexpr Rgb number_deep{210, 104, 10};
constexpr Rgb digit_outline{30, 16, 4};
// The fonts show their own colours through the library's 256-colour default palette, so their
// shades are entries of that palette, light to deep from the cap line down.
constexpr Rgb number_font_ramp[5] = {
    {252, 252, 180}, {252, 252, 124}, {252, 252, 0}, {252, 188, 0}, {252, 124, 0}};
constexpr Rgb number_font_highlight{252, 252, 252};
constexpr Rgb number_font_shadow{168, 84, 0};
constexpr Rgb message_font_ramp[4] = {{252, 252, 252}, {224, 224, 224}, {224, 224, 224}, {200, 200, 200}};

// Play screen: the floor of the board wells and the silkscreen lettering of the circuit board.
constexpr Rgb well_floor{8, 15, 14};
constexpr Rgb silkscreen{196, 214, 200};

// Screens and signs: the menus, the title and the pictures laid over the boards.
constexpr Rgb alarm_glass{128, 20, 16};    // the game-over head: a red warning lamp's glass
constexpr Rgb alarm_glow{255, 60, 40};
constexpr Rgb inset{6, 18, 16};            // windows that the game prints into
constexpr Rgb difficulty_easy{90, 230, 110};
constexpr Rgb display_glass{10, 64, 124};  // the pause sign: a lit blue indicator window

}  // namespace palette
