// The level bonus: what a level won with a given number of clears earns, at both ends of each
// of its three ranges, which are single counts at level 1 and widen with the level.
#include <gtest/gtest.h>

#include "board/level_bonus.h"
#include "state/game_state.h"

namespace {

int bonus_for(int level, int clears)
{
  PlayerSlot &slot = player_slots[1] = PlayerSlot{};
  slot.level = level;
  slot.clear_count = clears;
  award_level_bonus(1);
  return slot.level_bonus;
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
