// The level bonus table in the level panel and the bonus a finished level earns.
#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

#include "render/score_panel.h"
#include "shell/global_bitmaps.h"
#include "shell/player_slots.h"
#include "shell/startup.h"

namespace {

// Draws player 0's table at a level after some clears; returns the bonus.
int draw_for(int level, int clears, bool level_end)
{
  player_slots[0] = PlayerSlot{};
  player_slots[0].level = level;
  player_slots[0].clear_count = clears;
  draw_score_panel(0, level_end);
  return player_slots[0].level_bonus;
}

TEST(LevelBonus, RangesByLevelTheBonusEarnedAndWhereTheyStand)
{
  int ends[6];
  level_bonus_ranges(10, ends);
  EXPECT_EQ(std::vector<int>(ends, ends + 6), std::vector<int>({1, 12, 13, 21, 22, 30}));
  // The bonus for 1, 2, 3... clears; one clear more than the last range earns nothing.
  const std::vector<int> earned[] = {{1000, 500, 100, 0}, {1000, 1000, 500, 500, 100, 100, 0},
                                     {1000, 1000, 1000, 1000, 1000, 500, 500, 100, 100, 0}};
  for (int level = 1; level <= 3; level++)
    for (int clears = 1; clears <= 3 * level + 1; clears++)
      EXPECT_EQ(draw_for(level, clears, true), earned[level - 1][clears - 1]) << level << ", " << clears;
  EXPECT_EQ(draw_for(1, 1, false), 0) << "only a level's end works the bonus out";

  // The first level's table at its start; over it the second level's, risen, at its end.
  BITMAP *expected = create_bitmap(142, 278);
  clear_to_color(expected, makecol(255, 0, 255));
  blit(expected, level_panels[0], 0, 0, 0, 0, 142, 278);
  draw_for(1, 0, false);
  draw_for(2, 7, true);
  const struct { int y; const char *text; } lines[] = {
      {180, "1      1000"},   {200, "2       500"},   {220, "3       100"}, {125, " 1 - 2   1000"},
      {145, " 3 - 4    500"}, {165, " 5 - 6    100"}, {235, "0"}};
  for (const auto &line : lines)
    textout_centre_ex(expected, font_numbers, line.text, 66, line.y, makecol(255, 200, 20), -1);
  int differing = 0;
  for (int y = 0; y < expected->h; y++)
    for (int x = 0; x < expected->w; x++) differing += getpixel(level_panels[0], x, y) != getpixel(expected, x, y);
  EXPECT_EQ(differing, 0);
  destroy_bitmap(expected);
}

}  // namespace
