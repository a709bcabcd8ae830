// The board's pictures: tile cells (item 1), conductor pieces (item 2), the 8-bit conduction
// patterns of the power maps (item 3) and the vanish animation (item 4).
#include "assets/art.h"

#include <cmath>

#include "assets/paint.h"

namespace {

constexpr int CELL = 30;

// Which edge middles a piece's conductor reaches, as drawn unrotated.
enum Arm { ARM_LEFT = 1, ARM_TOP = 2, ARM_RIGHT = 4, ARM_BOTTOM = 8 };

void draw_arm(BITMAP *picture, int x0, int y0, int arm, int colour, int half_width)
{
  const int c = CELL / 2 - 1;  // the conductor's centre line lies on pixels 14..15
  switch (arm) {
  case ARM_LEFT: rectfill(picture, x0, y0 + c - half_width + 1, x0 + c + half_width, y0 + c + half_width, colour); break;
  case ARM_RIGHT: rectfill(picture, x0 + c - half_width + 1, y0 + c - half_width + 1, x0 + CELL - 1, y0 + c + half_width, colour); break;
  case ARM_TOP: rectfill(picture, x0 + c - half_width + 1, y0, x0 + c + half_width, y0 + c + half_width, colour); break;
  case ARM_BOTTOM: rectfill(picture, x0 + c - half_width + 1, y0 + c - half_width + 1, x0 + c + half_width, y0 + CELL - 1, colour); break;
  }
}

void draw_arms(BITMAP *picture, int x0, int y0, int arms, int colour)
{
  for (int arm : {ARM_LEFT, ARM_TOP, ARM_RIGHT, ARM_BOTTOM})
    if (arms & arm) draw_arm(picture, x0, y0, arm, colour, 5);
}

// A quarter ring around a corner of the cell, joining the middles of its two edges.
void draw_elbow(BITMAP *picture, int x0, int y0, int corner_x, int corner_y, int colour)
{
  for (int y = 0; y < CELL; y++)
    for (int x = 0; x < CELL; x++) {
      const float distance = std::hypot(x + 0.5f - corner_x, y + 0.5f - corner_y);
      if (distance >= 10.5f && distance <= 19.5f) putpixel(picture, x0 + x, y0 + y, colour);
    }
}

int dark_conductor() { return makecol(150, 110, 70); }
int powered_conductor() { return makecol(255, 214, 64); }

void draw_piece(BITMAP *picture, int piece, int x0, int y0, int colour)
{
  switch (piece) {
  case 0: draw_arms(picture, x0, y0, ARM_LEFT | ARM_RIGHT, colour); break;
  case 1: draw_elbow(picture, x0, y0, 0, CELL, colour); break;
  case 2: draw_arms(picture, x0, y0, ARM_TOP | ARM_BOTTOM | ARM_RIGHT, colour); break;
  case 3: draw_arms(picture, x0, y0, ARM_LEFT | ARM_TOP | ARM_RIGHT | ARM_BOTTOM, colour); break;
  case 4:  // bridge: the vertical conductor passes under the horizontal one
    draw_arms(picture, x0, y0, ARM_TOP | ARM_BOTTOM, shade(colour, 0.7f));
    rectfill(picture, x0, y0 + 8, x0 + CELL - 1, y0 + 21, mask_colour());
    draw_arms(picture, x0, y0, ARM_LEFT | ARM_RIGHT, colour);
    break;
  case 5:  // split: two elbows that never touch
    draw_elbow(picture, x0, y0, 0, CELL, colour);
    draw_elbow(picture, x0, y0, CELL, 0, colour);
    break;
  case 6:
    draw_arm(picture, x0, y0, ARM_LEFT, colour, 5);
    circlefill(picture, x0 + 14, y0 + 14, 7, colour);
    break;
  }
}

// The conduction pattern of every tile kind, 5 x 5, drawn as rows of text: '#' conducts.
const char *const PATTERNS[19][5] = {
  {".....", ".....", "#####", ".....", "....."},  // 1: straight, left-right
  {"..#..", "..#..", "..#..", "..#..", "..#.."},  // 2: straight, top-bottom
  {".....", ".....", "###..", "..#..", "..#.."},  // 3: elbow left-bottom
  {"..#..", "..#..", "###..", ".....", "....."},  // 4: elbow top-left
  {"..#..", "..#..", "..###", ".....", "....."},  // 5: elbow top-right
  {".....", ".....", "..###", "..#..", "..#.."},  // 6: elbow right-bottom
  {"..#..", "..#..", "..###", "..#..", "..#.."},  // 7: tee top-right-bottom
  {".....", ".....", "#####", "..#..", "..#.."},  // 8: tee left-right-bottom
  {"..#..", "..#..", "###..", "..#..", "..#.."},  // 9: tee top-left-bottom
  {"..#..", "..#..", "#####", ".....", "....."},  // 10: tee left-top-right
  {"..#..", "..#..", "#####", "..#..", "..#.."},  // 11: cross
  {"..#..", ".....", "#####", ".....", "..#.."},  // 12: bridge, horizontal over vertical
  {"..#..", ".....", "#####", ".....", "..#.."},  // 13: bridge, vertical over horizontal
  {"..#..", "..##.", "##.##", ".##..", "..#.."},  // 14: split, left-bottom and top-right
  {"..#..", ".##..", "##.##", "..##.", "..#.."},  // 15: split, top-left and right-bottom
  {".....", ".....", "###..", ".....", "....."},  // 16: stub from the left
  {"..#..", "..#..", "..#..", ".....", "....."},  // 17: stub from the top
  {".....", ".....", "..###", ".....", "....."},  // 18: stub from the right
  {".....", ".....", "..#..", "..#..", "..#.."},  // 19: stub from the bottom
};

}  // namespace

void make_tile_cells(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_TILE_CELLS, makecol(0, 0, 0));
  bevel_panel(picture, 0, 0, 29, 29, makecol(52, 58, 70));     // plain tile
  bevel_panel(picture, 30, 0, 59, 29, makecol(40, 70, 110));   // protected tile
  rectfill(picture, 60, 0, 89, 29, makecol(255, 190, 0));      // warning overlay
  rectfill(picture, 90, 0, 119, 29, makecol(255, 30, 0));      // danger overlay
  out.picture(ITEM_TILE_CELLS, picture);
}

void make_tile_pieces(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_TILE_PIECES, mask_colour());
  for (int piece = 0; piece < 7; piece++) {
    draw_piece(picture, piece, piece * CELL, 0, dark_conductor());
    draw_piece(picture, piece, piece * CELL, CELL, powered_conductor());
  }
  // The vertical bar laid over a bridge whose vertical conductor is on top.
  rectfill(picture, 219, 0, 230, 29, mask_colour());
  rectfill(picture, 219, 30, 230, 59, mask_colour());
  draw_arms(picture, 219 - 9, 0, ARM_TOP | ARM_BOTTOM, dark_conductor());
  draw_arms(picture, 219 - 9, CELL, ARM_TOP | ARM_BOTTOM, powered_conductor());
  // The powered quarters of the split tiles.
  draw_elbow(picture, 249 - 9, 0, CELL, 0, powered_conductor());
  draw_elbow(picture, 270, 0, 0, 0, powered_conductor());
  draw_elbow(picture, 279 - 9, 39 - 9, CELL, CELL, powered_conductor());
  out.picture(ITEM_TILE_PIECES, picture);
}

void make_conductor_patterns(ItemOutput &out)
{
  BITMAP *sheet = create_bitmap_ex(8, RESOURCE_CATALOGUE[ITEM_CONDUCTOR_PATTERNS].width,
                                   RESOURCE_CATALOGUE[ITEM_CONDUCTOR_PATTERNS].height);
  clear_bitmap(sheet);
  for (int kind = 1; kind <= 19; kind++)
    for (int y = 0; y < 5; y++)
      for (int x = 0; x < 5; x++)
        if (PATTERNS[kind - 1][y][x] == '#') putpixel(sheet, (kind - 1) * 6 + x, y, 44);
  out.picture(ITEM_CONDUCTOR_PATTERNS, sheet);
}

void make_vanish_strip(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_VANISH_STRIP, mask_colour());
  for (int frame = 0; frame < 8; frame++) {
    const int inset = frame * 2;
    const int glow = makecol(255, 255 - frame * 25, 200 - frame * 25);
    rectfill(picture, frame * CELL + inset, inset, frame * CELL + 29 - inset, 29 - inset, glow);
  }
  out.picture(ITEM_VANISH_STRIP, picture);
}
