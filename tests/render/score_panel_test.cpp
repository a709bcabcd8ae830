// The level bonus ranges and the bonus a finished level earns.
#include <gtest/gtest.h>

#include <vector>

#include "render/score_panel.h"
#include "shell/player_slots.h"

// Draws player 0's table at a level after some clears; returns the bonus.
static int draw_for(int level, int clears, bool level_end)
{
  player_slots[0] = PlayerSlot{};
  player_slots[0].level = level;
  player_slots[0].clear_count = clears;
  draw_score_panel(0, level_end);
  return player_slots[0].level_bonus;
}

TEST(LevelBonus, RangesGrowWithTheLevelAndFewerClearsEarnMore)
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
}
