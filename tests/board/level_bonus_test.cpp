// The level bonus: three ranges of clear counts that widen with the level, and what a level
// won with a given number of clears earns, at every range's ends.
#include <gtest/gtest.h>

#include <vector>

#include "board/level_bonus.h"
#include "state/game_state.h"

namespace {

std::vector<int> ranges(int level)
{
  int ends[6];
  level_bonus_ranges(level, ends);
  return std::vector<int>(ends, ends + 6);
}

int bonus_for(int level, int clears)
{
  PlayerSlot &slot = player_slots[1] = PlayerSlot{};
  slot.level = level;
  slot.clear_count = clears;
  award_level_bonus(1);
  return slot.level_bonus;
}

TEST(LevelBonus, TheRangesAreSingleCountsAtFirstThenWidenWithTheLevel)
{
  EXPECT_EQ(ranges(1), (std::vector<int>{1, 1, 2, 2, 3, 3}));
  EXPECT_EQ(ranges(2), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(ranges(3), (std::vector<int>{1, 5, 6, 7, 8, 9}));
  EXPECT_EQ(ranges(10), (std::vector<int>{1, 12, 13, 21, 22, 30}));
}

TEST(LevelBonus, FewerClearsEarnMoreAndBeyondTheLastRangeNothing)
{
  struct Case { int level, clears, bonus; };
  for (const Case &c : {Case{1, 1, 1000}, Case{1, 2, 500}, Case{1, 3, 100}, Case{1, 4, 0},
                        Case{2, 2, 1000}, Case{2, 3, 500}, Case{2, 6, 100}, Case{2, 7, 0},
                        Case{10, 12, 1000}, Case{10, 13, 500}, Case{10, 21, 500},
                        Case{10, 22, 100}, Case{10, 30, 100}, Case{10, 31, 0}})
    EXPECT_EQ(bonus_for(c.level, c.clears), c.bonus) << "level " << c.level << ", " << c.clears << " clears";
}

}  // namespace
