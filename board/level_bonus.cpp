#include "board/level_bonus.h"

#include "state/game_state.h"

const int LEVEL_BONUS_VALUES[3] = {1000, 500, 100};

void level_bonus_ranges(int level, int ends[6])
{
  if (level <= 1) {
    const int first_level[6] = {1, 1, 2, 2, 3, 3};
    for (int k = 0; k < 6; k++) ends[k] = first_level[k];
    return;
  }
  if (level == 2) {
    const int second_level[6] = {1, 2, 3, 4, 5, 6};
    for (int k = 0; k < 6; k++) ends[k] = second_level[k];
    return;
  }
  ends[0] = 1;
  ends[1] = level + 2;
  ends[2] = level + 3;
  ends[3] = 2 * level + 1;
  ends[4] = 2 * level + 2;
  ends[5] = 3 * level;
}

// More clears than the last range's end earn none: the bonus stays as the level began, 0.
void award_level_bonus(int player)
{
  PlayerSlot &slot = player_slots[player];
  int ends[6];
  level_bonus_ranges(slot.level, ends);
  for (int k = 0; k < 6; k++)
    if (slot.clear_count <= ends[k]) {
      slot.level_bonus = LEVEL_BONUS_VALUES[k / 2];
      break;
    }
}
