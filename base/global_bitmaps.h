// Every bitmap the game keeps for the whole run. Created once at start-up, destroyed at exit;
// their contents are not cleared at creation, since everything drawn from them is painted
// first. All are at the screen's depth (16 bits) except the 8-bit power maps.
#pragma once

#include <allegro.h>

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr int TILE_SET_COUNT = 4;
constexpr int TILE_KINDS = 19;
constexpr int LAMP_COLOURS = 6;
constexpr int LAMP_SIZE = 22;          // lamp sprites are square
// The colour marks of the six lamp colours (item 28): chip c at y = COLOUR_CHIP_HEIGHT x c.
constexpr int COLOUR_CHIP_WIDTH = 4, COLOUR_CHIP_HEIGHT = 6;

extern BITMAP *cell_overlay_sprites[2];        // 30 x 30: warning, danger
extern BITMAP *back_buffer;                    // 640 x 480: the frame being composed
extern BITMAP *background_buffer;              // 640 x 480: the static play-screen background
extern BITMAP *tile_sprites[TILE_SET_COUNT][TILE_KINDS + 1];  // 30 x 30, by set and kind 1..19
extern BITMAP *lamp_sprites[2 * LAMP_COLOURS];  // 22 x 22, two per colour: 2 x colour + 0 or 1
extern BITMAP *lamp_socket_sprite;             // 22 x 22
extern BITMAP *new_lamp_sprites[4];            // 22 x 22, by lamp replacement value 1..3
extern BITMAP *level_panels[2];                // 142 x 278, one per player
extern BITMAP *points_sprites[TILE_KINDS];// 20 x 20, by tile kind - 1
extern BITMAP *power_maps[2];                  // 30 x 65, 8 bits, one per player
extern BITMAP *bonus_sprites[2];               // 72 x 45, one per player

void create_global_bitmaps();
void destroy_global_bitmaps();

// True when every global bitmap exists; the game cannot run without all of them.
bool global_bitmaps_complete();
