// The level bonus table in the level panel and the bonus a finished level earns.
#include <allegro.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "render/score_panel.h"
#include "shell/global_bitmaps.h"
#include "shell/player_slots.h"
#include "shell/startup.h"

namespace {

// Draws a player's table at a level after some clears; returns the bonus.
int draw_for(int player, int level, int clears, bool level_end)
{
  player_slots[player].level = level;
  player_slots[player].clear_count = clears;
  player_slots[player].level_bonus = 0;
  clear_to_color(level_panels[player], makecol(255, 0, 255));
  draw_score_panel(player, level_end);
  return player_slots[player].level_bonus;
}

TEST(LevelBonus, RangesByLevelAndTheBonusEarned)
{
  int ends[6];
  level_bonus_ranges(4, ends);
  EXPECT_EQ(std::vector<int>(ends, ends + 6), std::vector<int>({1, 6, 7, 9, 10, 12}));
  level_bonus_ranges(10, ends);
  EXPECT_EQ(std::vector<int>(ends, ends + 6), std::vector<int>({1, 12, 13, 21, 22, 30}));

  EXPECT_EQ(draw_for(0, 1, 2, true), 500);
  EXPECT_EQ(draw_for(0, 1, 4, true), 0);
  EXPECT_EQ(draw_for(1, 2, 6, true), 100);
  EXPECT_EQ(draw_for(1, 2, 7, true), 0);
  const int level_three[] = {1000, 1000, 1000, 1000, 1000, 500, 500, 100, 100, 0};
  for (int clears = 1; clears <= 10; clears++)
    EXPECT_EQ(draw_for(0, 3, clears, true), level_three[clears - 1]) << clears << " clears";
  EXPECT_EQ(draw_for(0, 1, 1, false), 0) << "only a level's end works the bonus out";
}

TEST(LevelBonus, TheTableAndTheBonusStandWhereTheyBelong)
{
  struct Case {
    int level, clears;
    bool level_end;
    std::vector<std::pair<int, const char *>> lines;
  };
  const Case cases[] = {
      {1, 0, false, {{180, "1      1000"}, {200, "2       500"}, {220, "3       100"}}},
      {3, 6, true,
       {{125, " 1 - 5   1000"}, {145, " 6 - 7    500"}, {165, " 8 - 9    100"}, {235, "500"}}},
      {2, 7, true,
       {{125, " 1 - 2   1000"}, {145, " 3 - 4    500"}, {165, " 5 - 6    100"}, {235, "0"}}},
  };
  BITMAP *expected = create_bitmap(142, 278);
  for (const Case &c : cases) {
    draw_for(0, c.level, c.clears, c.level_end);
    clear_to_color(expected, makecol(255, 0, 255));
    for (const auto &line : c.lines)
      textout_centre_ex(expected, font_numbers, line.second, 66, line.first,
                        makecol(255, 200, 20), -1);
    int differing = 0;
    for (int y = 0; y < expected->h; y++)
      for (int x = 0; x < expected->w; x++)
        differing += getpixel(level_panels[0], x, y) != getpixel(expected, x, y);
    EXPECT_EQ(differing, 0) << "level " << c.level;
  }
  destroy_bitmap(expected);
}

}  // namespace
