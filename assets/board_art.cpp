// The board's pictures: tile cells (item 1), conductor pieces (item 2), the 8-bit conduction
// patterns of the power maps (item 3) and the vanish animation (item 4).
//
// Every conductor is drawn from one cross-section: a core of a single colour, which the game
// floods with its moving power patterns, a rim and an outer shadow. Rim and shadow keep each
// core closed off from every other core, even where the powered look of one conductor is laid
// over another, and conductors stay off the outermost ring of the tile, so that no flood can
// run into a neighbouring tile.
#include "assets/art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "assets/paint.h"
#include "assets/palette.h"

namespace {

constexpr int CELL = 30;
constexpr int LAST = CELL - 1;
constexpr float MIDDLE = CELL / 2.0f;  // conductors run along x or y = 15, between pixels 14, 15

// Distance from a conductor's centre line at which each layer of its cross-section ends.
constexpr float CORE_HALF_WIDTH = 4;
constexpr float RIM_OUTER = 5;
constexpr float SHADOW_OUTER = 6;
// An elbow is a quarter ring around a corner of the tile through the middles of two edges.
constexpr float ELBOW_RADIUS = MIDDLE;
// A stub ends in a round terminal this much wider than the conductor.
constexpr float TERMINAL_SWELL = 3;

// Where the game cuts bars and quarters from the pieces picture.
constexpr int BAR_LEFT = 9;  // bars are 12 wide: shadow, rim, core, rim, shadow
constexpr int BAR_WIDTH = 12;
constexpr int QUARTER_SIZE = 21;
constexpr int VERTICAL_BAR_X = 219;
constexpr int QUARTER_TOP_RIGHT_X = 249;
constexpr int QUARTER_TOP_LEFT_X = 270;
constexpr int QUARTER_BOTTOM_RIGHT_X = 279;

enum Shape { STRAIGHT, ELBOW, TEE, CROSS, BRIDGE, SPLIT, STUB, SHAPE_COUNT };

struct Look {
  int core_centre, core_edge;  // the dark look shades its core; the powered core is flat
  int rim, shadow;
};

// Bare copper, brightest along the middle of the conductor so that it looks rounded whichever
// way the piece is turned.
const Look &dark_look()
{
  static const Look look = {palette::copper_light.colour(), palette::copper_dark.colour(),
                            shade(palette::copper_dark.colour(), 0.55f),
                            shade(palette::steel_shadow.colour(), 0.8f)};
  return look;
}

// The powered core is one flat area that the game floods with the moving power; a white-hot
// rim and the copper it runs in frame it, whatever the power's colour. The core must differ
// from the colour the game fills with, (10, 10, 10), or the library's flood fill stops at once.
const Look &powered_look()
{
  static const Look look = {makecol(255, 236, 150), makecol(255, 236, 150), makecol(236, 246, 255),
                            palette::copper.colour()};
  return look;
}

float along_x(float py) { return std::fabs(py - MIDDLE); }  // a conductor from left to right
float along_y(float px) { return std::fabs(px - MIDDLE); }  // from top to bottom

// Distance from (px, py) to the segment from the centre to the middle of the right edge.
float arm_to_right(float px, float py)
{
  return px >= MIDDLE ? along_x(py) : std::hypot(px - MIDDLE, py - MIDDLE);
}

float arm_from_left(float px, float py)
{
  return px <= MIDDLE ? along_x(py) : std::hypot(px - MIDDLE, py - MIDDLE);
}

float elbow(float px, float py, float corner_x, float corner_y)
{
  return std::fabs(std::hypot(px - corner_x, py - corner_y) - ELBOW_RADIUS);
}

// Distance of a pixel centre from the centre line of the shape as drawn unturned. A bridge is
// the one shape drawn in two layers: its left-right conductor lies over the top-bottom one.
float shape_distance(Shape shape, float px, float py)
{
  switch (shape) {
  case STRAIGHT: return along_x(py);
  case ELBOW: return elbow(px, py, 0, CELL);
  case TEE: return std::min(along_y(px), arm_to_right(px, py));
  case CROSS: return std::min(along_x(py), along_y(px));
  case BRIDGE: return along_x(py) < SHADOW_OUTER ? along_x(py) : along_y(px);
  case SPLIT: return std::min(elbow(px, py, 0, CELL), elbow(px, py, CELL, 0));
  case STUB:
    return std::min(arm_from_left(px, py), std::hypot(px - MIDDLE, py - MIDDLE) - TERMINAL_SWELL);
  default: return SHADOW_OUTER;
  }
}

// Draws the shape turned clockwise by quarter_turns into the 30 x 30 cell at (x0, y0); pixels
// outside the conductor are left as they are. Each pixel samples the unturned shape at the
// pixel it comes from, so turned drawings match the library's exact quarter turns.
void draw_shape(BITMAP *picture, int x0, int y0, Shape shape, int quarter_turns, const Look &look)
{
  for (int y = 1; y < LAST; y++)
    for (int x = 1; x < LAST; x++) {
      int sx = x, sy = y;
      for (int turn = 0; turn < quarter_turns; turn++) {
        const int from_x = sy, from_y = LAST - sx;
        sx = from_x;
        sy = from_y;
      }
      const float distance = shape_distance(shape, sx + 0.5f, sy + 0.5f);
      int colour;
      if (distance < CORE_HALF_WIDTH)
        colour = mix(look.core_centre, look.core_edge, std::max(0.0f, distance) / CORE_HALF_WIDTH);
      else if (distance < RIM_OUTER)
        colour = look.rim;
      else if (distance < SHADOW_OUTER)
        colour = look.shadow;
      else
        continue;
      putpixel(picture, x0 + x, y0 + y, colour);
    }
}

// Cuts a part of a shape drawn on its own, so that bars and quarters are exactly the pixels
// of the tile they are laid over.
void copy_part(BITMAP *picture, Shape shape, int quarter_turns, const Look &look, int from_x,
               int from_y, int width, int height, int to_x, int to_y)
{
  BITMAP *cell = new_canvas(CELL, CELL, mask_colour());
  draw_shape(cell, 0, 0, shape, quarter_turns, look);
  blit(cell, picture, from_x, from_y, to_x, to_y, width, height);
  destroy_bitmap(cell);
}

// A small domed rivet of the protected tiles.
void rivet(BITMAP *picture, int cx, int cy)
{
  circlefill(picture, cx, cy, 2, makecol(70, 96, 104));
  putpixel(picture, cx - 1, cy - 1, makecol(214, 236, 240));
  putpixel(picture, cx, cy - 1, makecol(150, 180, 188));
  putpixel(picture, cx - 1, cy, makecol(150, 180, 188));
  putpixel(picture, cx + 1, cy + 1, makecol(30, 40, 46));
}

// A tile face: a brushed-steel plate lit from the upper left, with a fine groove inside its rim.
void plain_tile(BITMAP *picture, int x0)
{
  const int plate = mix(palette::steel.colour(), palette::steel_light.colour(), 0.3f);
  brushed_steel(picture, x0, 0, x0 + LAST, LAST, plate, 2, 31);
  rect(picture, x0 + 3, 3, x0 + LAST - 3, LAST - 3, shade(plate, 0.82f));
}

// Protection shows as armour: a bluer, heavier plate with a raised frame and rivets.
void protected_tile(BITMAP *picture, int x0)
{
  const int plate = mix(palette::steel.colour(), palette::accent.colour(), 0.3f);
  brushed_steel(picture, x0, 0, x0 + LAST, LAST, plate, 3, 32);
  rect(picture, x0 + 3, 3, x0 + LAST - 3, LAST - 3, shade(plate, 0.5f));
  for (int corner_y : {5, LAST - 5})
    for (int corner_x : {5, LAST - 5}) rivet(picture, x0 + corner_x, corner_y);
}

// Height warnings are laid over tiles translucently: only a frame with filled corners, open
// in the middle so that the tile still shows.
void warning_frame(BITMAP *picture, int x0, int width, int colour)
{
  for (int ring = 0; ring < width; ring++) {
    const int ring_colour = shade(colour, 1.0f - 0.2f * ring);
    rect(picture, x0 + ring, ring, x0 + LAST - ring, LAST - ring, ring_colour);
  }
  constexpr int CORNER = 5;
  const int inner = LAST - width;
  for (int i = 0; i < CORNER; i++) {
    const int length = CORNER - 1 - i;
    hline(picture, x0 + width, width + i, x0 + width + length, colour);
    hline(picture, x0 + inner - length, width + i, x0 + inner, colour);
    hline(picture, x0 + width, inner - i, x0 + width + length, colour);
    hline(picture, x0 + inner - length, inner - i, x0 + inner, colour);
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
  {"..#..", ".....", "#####", ".....", "..#.."},  // 12: bridge, left-right over top-bottom
  {"..#..", ".....", "#####", ".....", "..#.."},  // 13: bridge, top-bottom over left-right
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
  BITMAP *picture = new_picture(ITEM_TILE_CELLS, mask_colour());
  plain_tile(picture, 0);
  protected_tile(picture, CELL);
  warning_frame(picture, 2 * CELL, 2, makecol(255, 196, 40));
  warning_frame(picture, 3 * CELL, 3, makecol(255, 48, 24));
  out.picture(ITEM_TILE_CELLS, picture);
}

void make_tile_pieces(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_TILE_PIECES, mask_colour());
  const Look *looks[2] = {&dark_look(), &powered_look()};
  for (int row = 0; row < 2; row++) {
    const Look &look = *looks[row];
    const int y0 = CELL * row;
    for (int shape = 0; shape < SHAPE_COUNT; shape++)
      draw_shape(picture, CELL * shape, y0, static_cast<Shape>(shape), 0, look);
    // The top-bottom conductor laid over a bridge turned a quarter (kind 13).
    copy_part(picture, STRAIGHT, 1, look, BAR_LEFT, 0, BAR_WIDTH, CELL, VERTICAL_BAR_X, y0);
  }
  // The powered elbows of the split tiles, each the corner of the tile it lies over: top
  // right (kind 14), top left and bottom right (kind 15). Kind 14's bottom left one is cut
  // from the elbow piece itself.
  const int top_right_from = CELL - QUARTER_SIZE;
  copy_part(picture, ELBOW, 2, powered_look(), top_right_from, 0, QUARTER_SIZE, QUARTER_SIZE,
            QUARTER_TOP_RIGHT_X, 0);
  copy_part(picture, ELBOW, 1, powered_look(), 0, 0, QUARTER_SIZE, QUARTER_SIZE,
            QUARTER_TOP_LEFT_X, 0);
  copy_part(picture, ELBOW, 3, powered_look(), top_right_from, top_right_from, QUARTER_SIZE,
            QUARTER_SIZE, QUARTER_BOTTOM_RIGHT_X, CELL + top_right_from);
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

// A cleared tile flashes white-hot, then burns away: its plate breaks up pixel by pixel from
// the rim inwards while what is left cools from white through electric cyan to deep blue, and
// a few embers drift out past where its edges were.
void make_vanish_strip(ItemOutput &out)
{
  constexpr int FRAMES = 8;
  BITMAP *picture = new_picture(ITEM_VANISH_STRIP, mask_colour());
  BITMAP *tile = new_canvas(CELL, CELL, 0);
  plain_tile(tile, 0);
  const int white = makecol(248, 252, 255), cyan = palette::accent.colour();
  const int deep = palette::power_left_deep.colour();
  for (int frame = 0; frame < FRAMES; frame++) {
    const int x0 = CELL * frame;
    for (int y = 0; y < CELL; y++)
      for (int x = 0; x < CELL; x++) {
        const int face = getpixel(tile, x, y);
        int colour;
        if (frame == 0) {
          colour = mix(face, white, 0.5f);
        } else if (frame == 1) {
          const bool rim = x < 2 || y < 2 || x > LAST - 2 || y > LAST - 2;
          colour = rim ? cyan : mix(face, white, 0.9f);
        } else {
          // Burn-out order: rim first, then inwards, broken up by noise.
          const float from_centre = std::max(std::fabs(x + 0.5f - MIDDLE), std::fabs(y + 0.5f - MIDDLE)) / MIDDLE;
          const float lasting = 0.55f * (1 - from_centre) + 0.45f * hash_noise(x, y, 41);
          const float age = (frame - 1) / float(FRAMES - 1);
          if (lasting < age) continue;
          // The burning front is white-hot; behind it the plate cools as the frames go by.
          const float heat = lasting - age < 0.1f ? 0 : std::min(1.0f, age * 1.4f);
          const int cooled = heat < 0.5f ? mix(white, cyan, heat * 2) : mix(cyan, deep, heat * 2 - 1);
          colour = mix(cooled, face, 0.25f * (1 - age));
        }
        putpixel(picture, x0 + x, y, colour);
      }
    // Embers thrown outwards from the burning plate.
    if (frame >= 2)
      for (int ember = 0; ember < 10; ember++) {
        const float angle = hash_noise(ember, 0, 43) * 6.2832f;
        const float reach = 8 + 2.4f * frame + 3 * hash_noise(ember, 1, 43);
        const int ex = int(MIDDLE + std::cos(angle) * reach), ey = int(MIDDLE + std::sin(angle) * reach);
        if (ex < 0 || ey < 0 || ex >= CELL || ey >= CELL) continue;
        putpixel(picture, x0 + ex, ey, frame < 5 ? white : cyan);
      }
  }
  destroy_bitmap(tile);
  out.picture(ITEM_VANISH_STRIP, picture);
}
