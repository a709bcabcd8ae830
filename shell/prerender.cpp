#include "shell/prerender.h"

#include <allegro.h>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/lamps.h"
#include "shell/startup.h"

namespace {

constexpr int CELL = TILE_SIZE;
constexpr int LAMP_STEP = 24;         // lamps lie side by side in the sheet, 2 pixels apart
constexpr int LAMP_COLOURS_TOP = 44;  // the coloured lamps start below socket and new lamps
constexpr int POINTS_SIZE = 20;
constexpr int POINTS_TEXT_Y = 6;

// How a tile kind's piece is laid over its background: a masked copy, or the piece turned
// clockwise by an angle in the library's units (64 a quarter turn).
struct PieceUse {
  int piece_x;  // in the tile pieces picture
  bool masked;
  int angle;
};

// By kind 1..19. Each family is one piece in its quarter turns, which is what lets turning a
// tile be a mere change of kind.
constexpr PieceUse PIECE_USES[TILE_KINDS + 1] = {
  {0, false, 0},
  {0, true, 0},    {0, false, 64},                                                  // straight
  {30, false, 0},  {30, false, 64},  {30, false, 128},  {30, false, 192},           // elbow
  {60, false, 0},  {60, false, 64},  {60, false, 128},  {60, false, 192},           // tee
  {90, true, 0},                                                                    // cross
  {120, false, 0}, {120, false, 64},                                                // bridge
  {150, false, 0}, {150, false, 64},                                                // split
  {180, false, 0}, {180, false, 64}, {180, false, 128}, {180, false, 192},          // stub
};

void prerender_tiles(BITMAP *scratch)
{
  BITMAP *const cells = item_bitmap(ITEM_TILE_CELLS);
  BITMAP *const pieces = item_bitmap(ITEM_TILE_PIECES);

  // Sets 0 and 1 lie on the plain background, 2 and 3 on the protected one.
  for (int set = 0; set < TILE_SET_COUNT; set++)
    for (int kind = 1; kind <= TILE_KINDS; kind++)
      blit(cells, tile_sprites[set][kind], CELL * (set / 2), 0, 0, 0, CELL, CELL);

  // Sets 0 and 2 take the dark pieces, 1 and 3 the powered ones.
  for (int set = 0; set < TILE_SET_COUNT; set++) {
    const int piece_y = CELL * (set % 2);
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      const PieceUse &use = PIECE_USES[kind];
      BITMAP *const sprite = tile_sprites[set][kind];
      if (use.masked) {
        masked_blit(pieces, sprite, use.piece_x, piece_y, 0, 0, CELL, CELL);
      } else {
        blit(pieces, scratch, use.piece_x, piece_y, 0, 0, CELL, CELL);
        rotate_sprite(sprite, scratch, 0, 0, itofix(use.angle));
      }
    }
  }
}

void cut_lamp(BITMAP *lamp, int x, int y)
{
  blit(item_bitmap(ITEM_LAMP_SHEET), lamp, x, y, 0, 0, LAMP_SIZE, LAMP_SIZE);
}

}  // namespace

void prerender_sprites()
{
  BITMAP *const scratch = create_bitmap(CELL, CELL);

  blit(item_bitmap(ITEM_TILE_CELLS), cell_overlay_sprites[0], 2 * CELL, 0, 0, 0, CELL, CELL);
  blit(item_bitmap(ITEM_TILE_CELLS), cell_overlay_sprites[1], 3 * CELL, 0, 0, 0, CELL, CELL);

  prerender_tiles(scratch);

  for (int colour = 0; colour < LAMP_COLOURS; colour++)
    for (int j = 0; j < 2; j++)
      cut_lamp(lamp_sprites[2 * colour + j], LAMP_STEP * j, LAMP_COLOURS_TOP + LAMP_SIZE * colour);

  cut_lamp(lamp_socket_sprite, 0, 0);
  cut_lamp(new_lamp_sprites[1], 0, LAMP_SIZE);
  cut_lamp(new_lamp_sprites[2], LAMP_STEP, LAMP_SIZE);
  cut_lamp(new_lamp_sprites[3], LAMP_STEP, 0);

  destroy_bitmap(scratch);
}

void prepare_play_screen()
{
  prerender_sprites();

  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    BITMAP *const points = points_sprites[kind - 1];
    blit(item_bitmap(ITEM_POINTS_BACKGROUND), points, 0, 0, 0, 0, POINTS_SIZE, POINTS_SIZE);
    textprintf_centre_ex(points, font_points, POINTS_SIZE / 2, POINTS_TEXT_Y, makecol(0, 0, 255),
                         -1, "%d", tile_points[kind - 1]);
  }

  draw_sprite(background_buffer, item_bitmap(ITEM_BACKGROUND), 0, 0);
  for (int player = 0; player < 2; player++)
    for (int row = 0; row < PLAYING_ROWS; row++)
      draw_sprite(background_buffer, lamp_socket_sprite, PLAYER_X_STEP * player + LAMP_X,
                  LAMP_Y + TILE_SIZE * row);

  draw_sprite(game_screen, item_bitmap(ITEM_BACKGROUND), 0, 0);
  present_screen();
}
