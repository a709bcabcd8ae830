// The tile art of korvanta.dat against the rules it must keep: conduction patterns that meet
// at the edge middles and turn with the turn tables, tile pictures whose conductors join the
// edges their patterns join, and powered conductors that the playfield's flood fills cover
// exactly, also where bars and quarters are laid over a bridge or a split.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
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
constexpr int FIRST_OF_FAMILY[] = {3, 7, 16};  // the four-member families

using Pattern = std::array<std::array<bool, PATTERN_SIZE>, PATTERN_SIZE>;  // [y][x]

struct Cell5 {
  int x, y;
};
enum Edge { LEFT, TOP, RIGHT, BOTTOM, EDGES };
// The middle pixel of each edge, in pattern and in tile picture coordinates. A quarter turn
// clockwise takes each edge to the next one.
constexpr Cell5 PATTERN_EDGE[EDGES] = {{0, 2}, {2, 0}, {4, 2}, {2, 4}};
constexpr Cell5 PICTURE_EDGE[EDGES] = {{1, 15}, {15, 1}, {28, 15}, {15, 28}};

Pattern pattern_of(int kind)
{
  BITMAP *sheet = item_bitmap(ITEM_CONDUCTOR_PATTERNS);
  Pattern pattern{};
  for (int y = 0; y < PATTERN_SIZE; y++)
    for (int x = 0; x < PATTERN_SIZE; x++)
      pattern[y][x] = _getpixel(sheet, (kind - 1) * (PATTERN_SIZE + 1) + x, y) == POWER_DEAD;
  return pattern;
}

Pattern turned_clockwise(const Pattern &pattern)
{
  Pattern turned{};
  for (int y = 0; y < PATTERN_SIZE; y++)
    for (int x = 0; x < PATTERN_SIZE; x++) turned[x][PATTERN_SIZE - 1 - y] = pattern[y][x];
  return turned;
}

// Labels the side-connected conductors of a pattern 1, 2, ...; 0 where nothing conducts.
std::array<std::array<int, PATTERN_SIZE>, PATTERN_SIZE> conductors_of(const Pattern &pattern)
{
  std::array<std::array<int, PATTERN_SIZE>, PATTERN_SIZE> label{};
  int next = 0;
  for (int y0 = 0; y0 < PATTERN_SIZE; y0++)
    for (int x0 = 0; x0 < PATTERN_SIZE; x0++) {
      if (!pattern[y0][x0] || label[y0][x0]) continue;
      std::vector<Cell5> todo = {{x0, y0}};
      label[y0][x0] = ++next;
      while (!todo.empty()) {
        const Cell5 at = todo.back();
        todo.pop_back();
        const Cell5 around[4] = {
            {at.x - 1, at.y}, {at.x + 1, at.y}, {at.x, at.y - 1}, {at.x, at.y + 1}};
        for (const Cell5 &n : around) {
          const bool inside = n.x >= 0 && n.y >= 0 && n.x < PATTERN_SIZE && n.y < PATTERN_SIZE;
          if (inside && pattern[n.y][n.x] && !label[n.y][n.x]) {
            label[n.y][n.x] = next;
            todo.push_back(n);
          }
        }
      }
    }
  return label;
}

// Which edge middles a kind joins: joined[a][b] when power passes between edges a and b,
// counting the bridge's link between its two vertical pieces; joined[a][a] when edge a has a
// conductor at all.
using Joins = std::array<std::array<bool, EDGES>, EDGES>;

Joins joins_of(int kind)
{
  const auto label = conductors_of(pattern_of(kind));
  int conductor[EDGES];
  for (int e = 0; e < EDGES; e++) conductor[e] = label[PATTERN_EDGE[e].y][PATTERN_EDGE[e].x];
  if (is_bridge(kind) && conductor[BOTTOM]) {
    const int merged = conductor[BOTTOM];
    for (int &c : conductor)
      if (c == merged) c = conductor[TOP];
  }
  Joins joins{};
  for (int a = 0; a < EDGES; a++)
    for (int b = 0; b < EDGES; b++) joins[a][b] = conductor[a] && conductor[a] == conductor[b];
  return joins;
}

TEST(ConductorPatterns, MeetNeighboursOnlyAtTheEdgeMiddles)
{
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    const Pattern pattern = pattern_of(kind);
    for (int i = 0; i < PATTERN_SIZE; i++) {
      const bool middle = i == PATTERN_SIZE / 2;
      if (middle) continue;
      EXPECT_FALSE(pattern[0][i] || pattern[PATTERN_SIZE - 1][i] || pattern[i][0] ||
                   pattern[i][PATTERN_SIZE - 1])
          << "kind " << kind << " touches an edge away from its middle at " << i;
    }
  }
}

TEST(ConductorPatterns, HaveTheConductorsOfTheirFamily)
{
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    SCOPED_TRACE(kind);
    const Pattern pattern = pattern_of(kind);
    const auto label = conductors_of(pattern);
    auto at = [&](Cell5 c) { return label[c.y][c.x]; };
    int conductors = 0;
    for (const auto &row : label)
      for (int l : row) conductors = std::max(conductors, l);

    if (is_bridge(kind)) {
      // A left-right conductor, and a top piece and a bottom piece touching nothing.
      EXPECT_EQ(conductors, 3);
      EXPECT_NE(at(PATTERN_EDGE[LEFT]), 0);
      EXPECT_EQ(at(PATTERN_EDGE[LEFT]), at(PATTERN_EDGE[RIGHT]));
      EXPECT_NE(at(PATTERN_EDGE[TOP]), 0);
      EXPECT_NE(at(PATTERN_EDGE[BOTTOM]), 0);
      EXPECT_NE(at(PATTERN_EDGE[TOP]), at(PATTERN_EDGE[BOTTOM]));
      EXPECT_NE(at(PATTERN_EDGE[TOP]), at(PATTERN_EDGE[LEFT]));
      EXPECT_NE(at(PATTERN_EDGE[BOTTOM]), at(PATTERN_EDGE[LEFT]));
    } else if (is_split(kind)) {
      EXPECT_EQ(conductors, 2);
      EXPECT_NE(at(PATTERN_EDGE[LEFT]), 0);
      EXPECT_NE(at(PATTERN_EDGE[RIGHT]), 0);
      EXPECT_NE(at(PATTERN_EDGE[LEFT]), at(PATTERN_EDGE[RIGHT]));
    } else {
      EXPECT_EQ(conductors, 1);
      EXPECT_TRUE(pattern[2][2]) << "the conductor passes through the centre";
    }
  }
  EXPECT_EQ(pattern_of(12), pattern_of(13)) << "bridges differ only in their pictures";
}

TEST(TurnTables, FamiliesGoRoundAndBothTablesUndoEachOther)
{
  for (int first : FIRST_OF_FAMILY)
    for (int kind = first; kind < first + 4; kind++) {
      int turned = kind;
      for (int turn = 0; turn < 4; turn++) {
        turned = turn_right_table[turned];
        EXPECT_EQ(turned != kind, turn < 3) << kind << " after " << turn + 1 << " right turns";
      }
    }
  for (int kind : {1, 2, 12, 13, 14, 15}) {
    EXPECT_NE(turn_right_table[kind], kind);
    EXPECT_EQ(turn_right_table[turn_right_table[kind]], kind);
  }
  for (int kind = 0; kind <= TILE_KINDS; kind++) {
    EXPECT_EQ(turn_left_table[turn_right_table[kind]], kind) << kind;
    EXPECT_EQ(turn_right_table[turn_left_table[kind]], kind) << kind;
  }
  for (int fixed : {TILE_EMPTY, 11}) {
    EXPECT_EQ(turn_right_table[fixed], fixed);
    EXPECT_EQ(turn_left_table[fixed], fixed);
  }
}

TEST(TurnTables, TurnEachPatternAQuarterTurn)
{
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    SCOPED_TRACE(kind);
    const int right = turn_right_table[kind], left = turn_left_table[kind];
    if (!is_bridge(kind)) {
      EXPECT_EQ(pattern_of(right), turned_clockwise(pattern_of(kind)));
      const Pattern half_turned = turned_clockwise(turned_clockwise(pattern_of(kind)));
      EXPECT_EQ(pattern_of(left), turned_clockwise(half_turned));
    }
    // Edge a of a kind is edge a + 1 of its right turn and edge a - 1 of its left turn.
    const Joins joins = joins_of(kind), joins_right = joins_of(right), joins_left = joins_of(left);
    for (int a = 0; a < EDGES; a++)
      for (int b = 0; b < EDGES; b++) {
        EXPECT_EQ(joins_right[(a + 1) % EDGES][(b + 1) % EDGES], joins[a][b]) << a << "-" << b;
        EXPECT_EQ(joins_left[(a + 3) % EDGES][(b + 3) % EDGES], joins[a][b]) << a << "-" << b;
      }
  }
}

// Tile pictures are checked as the pre-rendering leaves them.
class TileArt : public ::testing::Test {
protected:
  static void SetUpTestSuite() { prerender_sprites(); }
};

// The one colour of every powered conductor, read from the powered straight piece.
int powered_core() { return getpixel(item_bitmap(ITEM_TILE_PIECES), 2, CELL + 15); }
int mark_one() { return makecol(0, 255, 0); }
int mark_two() { return makecol(0, 255, 255); }

bool is_background(int set, int x, int y, int colour)
{
  return colour == getpixel(item_bitmap(ITEM_TILE_CELLS), CELL * (set / 2) + x, y);
}

TEST_F(TileArt, TurningATileTurnsItsPicture)
{
  for (int set = 0; set < TILE_SET_COUNT; set++)
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      SCOPED_TRACE(testing::Message() << "set " << set << ", kind " << kind);
      BITMAP *before = tile_sprites[set][kind], *after = tile_sprites[set][turn_right_table[kind]];
      int differences = 0;
      for (int y = 0; y < CELL; y++)
        for (int x = 0; x < CELL; x++) {
          // The background does not turn with the conductor.
          const int was = getpixel(before, x, y), now = getpixel(after, CELL - 1 - y, x);
          const bool conductor_was = !is_background(set, x, y, was);
          const bool conductor_now = !is_background(set, CELL - 1 - y, x, now);
          differences += conductor_was != conductor_now || (conductor_was && was != now);
        }
      EXPECT_EQ(differences, 0);
    }
}

// A canvas of three by three cells with the tile in the middle one. Everything around the
// tile has the powered conductor's own colour, the worst neighbours a fill could meet.
constexpr int AT = CELL;

BITMAP *canvas_around_tile()
{
  BITMAP *canvas = create_bitmap(3 * CELL, 3 * CELL);
  clear_to_color(canvas, powered_core());
  return canvas;
}

void fill_from_seed(BITMAP *canvas, int seed, int colour)
{
  const ChannelSeed &at = CHANNEL_SEEDS[seed];
  if (colour >= 0) floodfill(canvas, AT + at.dx, AT + at.dy, colour);
}

// What must hold after every conductor of the tile has been filled from its seed: no
// powered colour is left in the tile, no fill ran outside the tile or onto its outermost
// ring, and two fills never meet side by side (else a pattern could carry one into the
// other).
void expect_fills_stay_in_their_conductors(BITMAP *canvas)
{
  for (int y = 0; y < canvas->h; y++)
    for (int x = 0; x < canvas->w; x++) {
      const int colour = getpixel(canvas, x, y);
      const bool in_tile = x >= AT && x < AT + CELL && y >= AT && y < AT + CELL;
      const bool inside_ring = x > AT && x < AT + CELL - 1 && y > AT && y < AT + CELL - 1;
      if (in_tile) {
        ASSERT_NE(colour, powered_core()) << "not filled at " << x - AT << "," << y - AT;
      }
      if (colour != mark_one() && colour != mark_two()) continue;
      ASSERT_TRUE(inside_ring) << "a fill leaked to " << x - AT << "," << y - AT;
      const int other = colour == mark_one() ? mark_two() : mark_one();
      ASSERT_FALSE(getpixel(canvas, x + 1, y) == other || getpixel(canvas, x, y + 1) == other)
          << "two fills meet at " << x - AT << "," << y - AT;
    }
}

int colour_at_edge(BITMAP *canvas, Edge e)
{
  return getpixel(canvas, AT + PICTURE_EDGE[e].x, AT + PICTURE_EDGE[e].y);
}

void expect_marked(BITMAP *canvas, std::initializer_list<Edge> edges, int colour)
{
  for (Edge e : edges) EXPECT_EQ(colour_at_edge(canvas, e), colour) << "edge " << e;
}

void expect_not_marked(BITMAP *canvas, std::initializer_list<Edge> edges, int colour)
{
  for (Edge e : edges) EXPECT_NE(colour_at_edge(canvas, e), colour) << "edge " << e;
}

// The fill from a tile's seed reaches the edges its pattern has a conductor at, and no other.
TEST_F(TileArt, EachPoweredConductorIsFilledWholeFromItsSeed)
{
  for (int set : {1, 3})
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      if (is_bridge(kind) || is_split(kind)) continue;
      SCOPED_TRACE(testing::Message() << "set " << set << ", kind " << kind);
      BITMAP *canvas = canvas_around_tile();
      draw_sprite(canvas, tile_sprites[set][kind], AT, AT);
      fill_from_seed(canvas, kind, mark_one());
      expect_fills_stay_in_their_conductors(canvas);
      const Joins joins = joins_of(kind);
      for (int e = 0; e < EDGES; e++)
        EXPECT_EQ(colour_at_edge(canvas, static_cast<Edge>(e)) == mark_one(), joins[e][e]) << e;
      destroy_bitmap(canvas);
    }
}

// A bridge or split tile drawn as the playfield draws it, with plain colours in place of the
// moving patterns (negative: no fill): a base sprite, then the bars and quarters of the
// pieces picture, each conductor filled after its piece is laid.
void draw_as_playfield(BITMAP *canvas, int kind, int pair, bool first_on, bool second_on,
                       int first_fill, int second_fill)
{
  BITMAP *const pieces = item_bitmap(ITEM_TILE_PIECES);
  BITMAP *const *const dark = tile_sprites[pair], *const *const lit = tile_sprites[pair + 1];
  switch (kind) {
  case 12:
    draw_sprite(canvas, second_on ? lit[2] : dark[2], AT, AT);
    if (second_on) fill_from_seed(canvas, 2, second_fill);
    masked_blit(pieces, canvas, 0, first_on ? 39 : 9, AT, AT + 9, 30, 12);
    if (first_on) fill_from_seed(canvas, 1, first_fill);
    break;
  case 13:
    draw_sprite(canvas, first_on ? lit[1] : dark[1], AT, AT);
    if (first_on) fill_from_seed(canvas, 1, first_fill);
    masked_blit(pieces, canvas, 219, second_on ? 30 : 0, AT + 9, AT, 12, 30);
    if (second_on) fill_from_seed(canvas, 2, second_fill);
    break;
  case 14:
    draw_sprite(canvas, dark[14], AT, AT);
    if (first_on) {
      masked_blit(pieces, canvas, 30, 39, AT, AT + 9, 21, 21);
      fill_from_seed(canvas, 3, first_fill);
    }
    if (second_on) {
      masked_blit(pieces, canvas, 249, 0, AT + 9, AT, 21, 21);
      fill_from_seed(canvas, 5, second_fill);
    }
    break;
  case 15:
    draw_sprite(canvas, dark[15], AT, AT);
    if (first_on) {
      masked_blit(pieces, canvas, 270, 0, AT, AT, 21, 21);
      fill_from_seed(canvas, 4, first_fill);
    }
    if (second_on) {
      masked_blit(pieces, canvas, 279, 39, AT + 9, AT + 9, 21, 21);
      fill_from_seed(canvas, 6, second_fill);
    }
    break;
  }
}

// The edges each of the two conductors of kinds 12..15 reaches.
struct TwoConductors {
  std::initializer_list<Edge> first, second;
};
const TwoConductors CONDUCTOR_EDGES[4] = {
  {{LEFT, RIGHT}, {TOP, BOTTOM}},
  {{LEFT, RIGHT}, {TOP, BOTTOM}},
  {{LEFT, BOTTOM}, {TOP, RIGHT}},
  {{LEFT, TOP}, {RIGHT, BOTTOM}},
};

TEST_F(TileArt, BarsAndQuartersLineUpWithTheTiles)
{
  BITMAP *canvas = create_bitmap(3 * CELL, 3 * CELL);
  for (int pair : {0, 2})
    for (int kind = 12; kind <= 15; kind++)
      for (bool on : {false, true}) {
        if (!on && is_split(kind)) continue;  // a dark split is its dark sprite alone
        SCOPED_TRACE(testing::Message() << "set " << pair + on << ", kind " << kind);
        clear_bitmap(canvas);
        draw_as_playfield(canvas, kind, pair, on, on, -1, -1);
        BITMAP *const sprite = tile_sprites[pair + on][kind];
        int differences = 0;
        for (int y = 0; y < CELL; y++)
          for (int x = 0; x < CELL; x++)
            differences += getpixel(canvas, AT + x, AT + y) != getpixel(sprite, x, y);
        EXPECT_EQ(differences, 0);
      }
  destroy_bitmap(canvas);
}

TEST_F(TileArt, BridgeAndSplitConductorsAreFilledApart)
{
  for (int pair : {0, 2})
    for (int kind = 12; kind <= 15; kind++)
      for (int lit : {1, 2, 3}) {  // which conductors are powered: first, second or both
        const bool first_on = lit & 1, second_on = lit & 2;
        SCOPED_TRACE(testing::Message() << "pair " << pair << ", kind " << kind << ", lit " << lit);
        BITMAP *canvas = canvas_around_tile();
        draw_as_playfield(canvas, kind, pair, first_on, second_on, mark_one(), mark_two());
        expect_fills_stay_in_their_conductors(canvas);
        const TwoConductors &edges = CONDUCTOR_EDGES[kind - 12];
        if (first_on) expect_marked(canvas, edges.first, mark_one());
        if (second_on) expect_marked(canvas, edges.second, mark_two());
        // A dark conductor takes no fill.
        if (!second_on) expect_not_marked(canvas, edges.second, mark_one());
        if (!first_on) expect_not_marked(canvas, edges.first, mark_two());
        destroy_bitmap(canvas);
      }
}

}  // namespace
