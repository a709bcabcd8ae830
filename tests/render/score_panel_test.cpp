// The level bonus ranges the level panel shows, which from level 3 on grow with the level.
#include <gtest/gtest.h>
#include <vector>

#include "board/level_bonus.h"

TEST(LevelBonus, RangesGrowWithTheLevel)
{
  int ends[6];
  level_bonus_ranges(10, ends);
  EXPECT_EQ(std::vector<int>(ends, ends + 6), std::vector<int>({1, 12, 13, 21, 22, 30}));
}
