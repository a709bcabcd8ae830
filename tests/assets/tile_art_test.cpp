// The tile art of korvanta.dat against the rules it must keep: conduction patterns that meet at
// the edge middles and turn with the turn tables, and powered conductors that the playfield's
// fills cover exactly from their seeds, also under the bars and quarters of bridges and splits.
#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

#include "board/board.h"
#include "board/power.h"
#include "render/playfield.h"
#include "shell/global_bitmaps.h"
#include "shell/prerender.h"
#include "shell/resources.h"
#include "tests/support/headless.h"

namespace {

constexpr int CELL = 30;
constexpr int AT = CELL;  // where a tile lies in a canvas of three by three cells

struct Point { int x, y; };
enum Edge { LEFT, TOP, RIGHT, BOTTOM, EDGES };
// The middle of each edge, in a pattern and just inside a tile picture's outermost ring.
constexpr Point PATTERN_EDGE[EDGES] = {{0, 2}, {2, 0}, {4, 2}, {2, 4}};
constexpr Point PICTURE_EDGE[EDGES] = {{1, 15}, {15, 1}, {28, 15}, {15, 28}};

int pattern_at(int kind, int x, int y)
{
  return _getpixel(item_bitmap(ITEM_CONDUCTOR_PATTERNS), (kind - 1) * (PATTERN_SIZE + 1) + x, y);
}

// Fills each conductor a kind must have, from a point it must contain, with its number 1 or 2,
// as the power map is filled; a bridge's bottom piece is linked to its top piece, so it takes
// the same number. No fill may find its conductor taken by an earlier one.
void fill_pattern(BITMAP *map, int kind)
{
  blit(item_bitmap(ITEM_CONDUCTOR_PATTERNS), map, (kind - 1) * (PATTERN_SIZE + 1), 0, 0, 0,
       PATTERN_SIZE, PATTERN_SIZE);
  std::vector<Point> seeds = {{2, 2}};
  if (is_split(kind)) seeds = {PATTERN_EDGE[LEFT], PATTERN_EDGE[RIGHT]};
  if (is_bridge(kind)) seeds = {PATTERN_EDGE[LEFT], PATTERN_EDGE[TOP], PATTERN_EDGE[BOTTOM]};
  for (size_t i = 0; i < seeds.size(); i++) {
    EXPECT_EQ(_getpixel(map, seeds[i].x, seeds[i].y), POWER_DEAD) << "conductor " << i + 1;
    floodfill(map, seeds[i].x, seeds[i].y, i == 0 ? 1 : 2);
  }
}

// Only the empty kind and the cross stay as they are; every family comes round in four turns.
TEST(TurnTables, FourRightTurnsComeRoundAndALeftTurnUndoesARightTurn)
{
  const int *const right = turn_right_table;
  for (int kind = 0; kind <= TILE_KINDS; kind++) {
    EXPECT_EQ(right[kind] == kind, kind == TILE_EMPTY || kind == 11) << kind;
    EXPECT_EQ(right[right[right[right[kind]]]], kind) << kind;
    EXPECT_EQ(turn_left_table[right[kind]], kind) << kind;
  }
}

// Bridges are not turned: their patterns are alike, since the power update links the vertical
// pieces whichever conductor is drawn on top. They are checked by what their edges join.
TEST(ConductorPatterns, MeetAtEdgeMiddlesTurnWithTheTablesAndHaveTheirFamilysConductors)
{
  BITMAP *map = create_bitmap_ex(8, PATTERN_SIZE, PATTERN_SIZE);
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    SCOPED_TRACE(kind);
    fill_pattern(map, kind);
    EXPECT_TRUE(!is_bridge(kind) || _getpixel(map, 4, 2) == 1) << "left to right";
    for (int y = 0; y < PATTERN_SIZE; y++)
      for (int x = 0; x < PATTERN_SIZE; x++) {
        const int at = pattern_at(kind, x, y);
        const bool off_middle = (x % 4 == 0 || y % 4 == 0) && x != 2 && y != 2;
        EXPECT_FALSE(off_middle && at != 0) << "touches an edge at " << x << "," << y;
        EXPECT_TRUE(is_bridge(kind) || pattern_at(turn_right_table[kind], 4 - y, x) == at)
            << "turned wrongly at " << x << "," << y;
        EXPECT_NE(_getpixel(map, x, y), POWER_DEAD) << "a stray conductor at " << x << "," << y;
      }
  }
  destroy_bitmap(map);
}

// The one colour of every powered core, read from the powered straight piece.
int powered_core() { return getpixel(item_bitmap(ITEM_TILE_PIECES), 2, CELL + 15); }
int mark(int conductor) { return conductor == 1 ? makecol(0, 255, 0) : makecol(0, 255, 255); }

// Once the tile's powered conductors are filled, no powered core is left, no fill reached the
// outermost ring, where it would run into a neighbour (the canvas around has the core's own
// colour), and two fills never touch, else a moving pattern could carry one into the other.
void expect_fills_kept_in(BITMAP *canvas)
{
  for (int y = 0; y < canvas->h; y++)
    for (int x = 0; x < canvas->w; x++) {
      const int colour = getpixel(canvas, x, y), tx = x - AT, ty = y - AT;
      if (tx >= 0 && tx < CELL && ty >= 0 && ty < CELL) {
        ASSERT_NE(colour, powered_core()) << "not filled at " << tx << "," << ty;
      }
      if (colour != mark(1) && colour != mark(2)) continue;
      ASSERT_TRUE(tx > 0 && tx < CELL - 1 && ty > 0 && ty < CELL - 1) << tx << "," << ty;
      const int other = colour == mark(1) ? mark(2) : mark(1);
      ASSERT_FALSE(getpixel(canvas, x + 1, y) == other || getpixel(canvas, x, y + 1) == other)
          << "fills meet at " << tx << "," << ty;
    }
}

// A tile laid as the playfield lays it, from the sprites of a dark and powered pair of sets
// and, for bridges and splits, the bars and quarters of the pieces picture. Each powered
// conductor is filled with its mark right after its piece, unless `filled` is false.
void compose(BITMAP *canvas, int kind, int pair, const bool on[3], bool filled)
{
  auto base = [&](int k, bool lit) { draw_sprite(canvas, tile_sprites[pair + lit][k], AT, AT); };
  auto lay = [&](int x, int y, int to_x, int to_y, int w, int h) {
    masked_blit(item_bitmap(ITEM_TILE_PIECES), canvas, x, y, AT + to_x, AT + to_y, w, h);
  };
  auto fill = [&](int conductor, int seed) {
    if (on[conductor] && filled)
      floodfill(canvas, AT + CHANNEL_SEEDS[seed].dx, AT + CHANNEL_SEEDS[seed].dy, mark(conductor));
  };
  // The quarters of kinds 14 and 15, by conductor: where each is cut, where it goes, its seed.
  constexpr int QUARTERS[2][2][5] = {{{30, 39, 0, 9, 3}, {249, 0, 9, 0, 5}},
                                     {{270, 0, 0, 0, 4}, {279, 39, 9, 9, 6}}};
  clear_to_color(canvas, powered_core());
  if (kind == 12) {
    base(2, on[2]);
    fill(2, 2);
    lay(0, on[1] ? 39 : 9, 0, 9, 30, 12);
    fill(1, 1);
  } else if (kind == 13) {
    base(1, on[1]);
    fill(1, 1);
    lay(219, on[2] ? 30 : 0, 9, 0, 12, 30);
    fill(2, 2);
  } else if (is_split(kind)) {
    base(kind, false);
    for (int conductor = 1; conductor <= 2; conductor++) {
      const int *const q = QUARTERS[kind - 14][conductor - 1];
      if (on[conductor]) lay(q[0], q[1], q[2], q[3], 21, 21);
      fill(conductor, q[4]);
    }
  } else {
    base(kind, on[1]);
    fill(1, kind);
  }
}

// Laid all dark or all powered, bridges and splits are their own sprites: bars and quarters
// line up. A fill from its seed covers each powered conductor and reaches the edges it joins
// in the pattern, and no other.
TEST(TileArt, PoweredConductorsAreFilledWholeAndApartFromTheirSeeds)
{
  prerender_sprites();
  BITMAP *canvas = create_bitmap(3 * CELL, 3 * CELL), *map = create_bitmap_ex(8, 5, 5);
  for (int pair : {0, 2})
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      fill_pattern(map, kind);
      const bool two = is_bridge(kind) || is_split(kind);
      for (int lit = is_bridge(kind) ? 0 : 1; lit <= (two ? 3 : 1); lit++) {
        SCOPED_TRACE(testing::Message() << "pair " << pair << ", kind " << kind << ", lit " << lit);
        const bool on[3] = {false, (lit & 1) != 0, (lit & 2) != 0};  // by conductor
        if (two && lit % 3 == 0) {
          compose(canvas, kind, pair, on, false);
          int differences = 0;
          for (int y = 0; y < CELL; y++)
            for (int x = 0; x < CELL; x++)
              differences += getpixel(canvas, AT + x, AT + y) !=
                             getpixel(tile_sprites[pair + (lit == 3)][kind], x, y);
          EXPECT_EQ(differences, 0);
          if (lit == 0) continue;
        }
        compose(canvas, kind, pair, on, true);
        expect_fills_kept_in(canvas);
        for (int e = 0; e < EDGES; e++) {
          const int c = _getpixel(map, PATTERN_EDGE[e].x, PATTERN_EDGE[e].y);
          const int colour = getpixel(canvas, AT + PICTURE_EDGE[e].x, AT + PICTURE_EDGE[e].y);
          const int want = (c == 1 || c == 2) && on[c] ? mark(c) : -1;
          EXPECT_EQ(colour == mark(1) || colour == mark(2) ? colour : -1, want) << "edge " << e;
        }
      }
    }
  destroy_bitmap(canvas);
  destroy_bitmap(map);
}

}  // namespace
