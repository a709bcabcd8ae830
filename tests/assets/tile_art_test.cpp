// The tile art of korvanta.dat: patterns turn with the turn tables,
// and the playfield's fills cover each powered conductor exactly.
#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/power.h"
#include "render/playfield.h"
#include "shell/prerender.h"
#include "tests/support/game_state.h"

namespace {
struct Point { int x, y; };
enum Edge { LEFT, TOP, RIGHT, BOTTOM, EDGES };
// The middle of each edge, in a pattern and just inside a tile picture's outermost ring.
constexpr Point PATTERN_EDGE[EDGES] = {{0, 2}, {2, 0}, {4, 2}, {2, 4}};
constexpr Point PICTURE_EDGE[EDGES] = {{1, 15}, {15, 1}, {28, 15}, {15, 28}};

int pattern_at(int kind, int x, int y)
{
  return _getpixel(item_bitmap(ITEM_CONDUCTOR_PATTERNS), (kind - 1) * (PATTERN_SIZE + 1) + x, y);
}

// Fills each conductor from a point it must hold with its number, 1 or 2, as the power map is
// filled (a bridge's bottom piece is linked to its top one). No conductor may be filled twice.
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

// Bridges' patterns are alike whichever conductor is on top, so they are not turned here; the
// tile looks check what their edges join.
TEST(ConductorPatterns, TurnWithTheTurnTables)
{
  const int *const right = turn_right_table;
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(right[right[right[right[kind]]]], kind);
    EXPECT_EQ(turn_left_table[right[kind]], kind);
    for (int y = 0; y < PATTERN_SIZE; y++)
      for (int x = 0; x < PATTERN_SIZE; x++)
        EXPECT_TRUE(is_bridge(kind) || pattern_at(right[kind], 4 - y, x) == pattern_at(kind, x, y))
            << "turned wrongly at " << x << "," << y;
  }
}

int mark(int conductor) { return conductor == 1 ? makecol(0, 255, 0) : makecol(0, 255, 255); }

// One tile alone on the board, the game's sprites, fills as plain marks by conductor.
class TileLooks : public ::testing::Test {
protected:
  BITMAP *patterns[2];
  BoardCell &cell = board[0][2][13];

  void SetUp() override
  {
    prepare_play_screen();
    for (int i = 0; i < 2; i++) {
      patterns[i] = item_bitmap(ResourceItem(ITEM_PATTERN_FROM_LEFT + i));
      game_data[ITEM_PATTERN_FROM_LEFT + i].dat = create_bitmap(16, 16);
      clear_to_color(item_bitmap(ResourceItem(ITEM_PATTERN_FROM_LEFT + i)), mark(i + 1));
    }
    reset_game_state();
  }

  void TearDown() override
  {
    for (int i = 0; i < 2; i++) {
      destroy_bitmap(item_bitmap(ResourceItem(ITEM_PATTERN_FROM_LEFT + i)));
      game_data[ITEM_PATTERN_FROM_LEFT + i].dat = patterns[i];
    }
  }
};

// No powered core is left unfilled; fills keep off the outer ring, else a moving pattern would
// run into a neighbour. All dark or all lit, bridges and splits are their own sprites. Each fill
// reaches exactly the edges its conductor joins.
TEST_F(TileLooks, PoweredConductorsAreFilledWholeFromTheirSeeds)
{
  const int core = getpixel(item_bitmap(ITEM_TILE_PIECES), 2, TILE_SIZE + 15);
  BITMAP *map = create_bitmap_ex(8, PATTERN_SIZE, PATTERN_SIZE);
  auto drawn = [&](int x, int y) { return getpixel(back_buffer, cell.x + x, cell.y + y); };
  for (int pair : {0, 2})
    for (int kind = 1; kind <= TILE_KINDS; kind++) {
      fill_pattern(map, kind);
      const bool two = is_bridge(kind) || is_split(kind);
      for (int lit = two ? 0 : 1; lit <= (two ? 3 : 1); lit++) {
        SCOPED_TRACE(testing::Message() << "pair " << pair << ", kind " << kind << ", lit " << lit);
        const bool on[3] = {false, (lit & 1) != 0, (lit & 2) != 0};  // by conductor
        cell.kind = kind;
        cell.is_protected = pair / 2;
        cell.power = on[1] ? POWER_FROM_LEFT : POWER_DEAD;
        cell.power2 = on[2] ? POWER_FROM_RIGHT : POWER_DEAD;
        draw_playfield();
        BITMAP *const sprite = lit % 3 == 0 || !two ? tile_sprites[pair + (lit != 0)][kind] : nullptr;
        for (int y = 0; y < TILE_SIZE; y++)
          for (int x = 0; x < TILE_SIZE; x++) {
            const int colour = drawn(x, y);
            const bool filled = colour == mark(1) || colour == mark(2);
            ASSERT_NE(colour, core) << "not filled at " << x << "," << y;
            ASSERT_TRUE(!sprite || getpixel(sprite, x, y) == (filled ? core : colour)) << x << "," << y;
            ASSERT_TRUE(!filled || (x > 0 && x < TILE_SIZE - 1 && y > 0 && y < TILE_SIZE - 1))
                << "a fill on the outer ring at " << x << "," << y;
          }
        for (int e = 0; e < EDGES; e++) {
          const int c = _getpixel(map, PATTERN_EDGE[e].x, PATTERN_EDGE[e].y);
          const int colour = drawn(PICTURE_EDGE[e].x, PICTURE_EDGE[e].y);
          const int want = (c == 1 || c == 2) && on[c] ? mark(c) : -1;
          EXPECT_EQ(colour == mark(1) || colour == mark(2) ? colour : -1, want) << "edge " << e;
        }
      }
    }
  destroy_bitmap(map);
}

struct Tone { int r, g, b; };

Tone tone_of(BITMAP *picture, int colour)
{
  const int depth = bitmap_color_depth(picture);
  return {getr_depth(depth, colour), getg_depth(depth, colour), getb_depth(depth, colour)};
}

int distance(Tone a, Tone b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// The player must tell at a glance how power reaches a conductor: the four fills differ from
// one another and from bare copper, and each carries enough contrast for its motion to show.
TEST(PowerPatterns, TellEachKindOfPowerApartAndShowTheirFlow)
{
  BITMAP *pieces = item_bitmap(ITEM_TILE_PIECES);
  const Tone copper = tone_of(pieces, getpixel(pieces, 2, 15));
  Tone mean[4];
  for (int i = 0; i < 4; i++) {
    SCOPED_TRACE(i);
    BITMAP *pattern = item_bitmap(ResourceItem(ITEM_PATTERN_FROM_LEFT + i));
    long sum[3] = {0, 0, 0};
    int darkest = 3 * 255, brightest = 0;
    for (int y = 0; y < pattern->h; y++)
      for (int x = 0; x < pattern->w; x++) {
        const Tone t = tone_of(pattern, getpixel(pattern, x, y));
        sum[0] += t.r, sum[1] += t.g, sum[2] += t.b;
        darkest = std::min(darkest, t.r + t.g + t.b);
        brightest = std::max(brightest, t.r + t.g + t.b);
      }
    const int n = pattern->w * pattern->h;
    mean[i] = {int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)};
    EXPECT_GT(brightest - darkest, 150) << "too flat for its motion to show";
    EXPECT_GT(distance(mean[i], copper), 120) << "looks like unpowered copper";
    for (int j = 0; j < i; j++) EXPECT_GT(distance(mean[i], mean[j]), 120) << "looks like pattern " << j;
  }
}
}  // namespace
