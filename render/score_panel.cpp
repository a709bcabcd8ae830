#include "render/score_panel.h"

#include <allegro.h>

#include "render/text.h"

#include "shell/global_bitmaps.h"
#include "shell/player_slots.h"
#include "shell/startup.h"

const int LEVEL_BONUS_VALUES[3] = {1000, 500, 100};

namespace {

constexpr int PANEL_CENTRE_X = 66;
constexpr int TABLE_TOP = 180;         // first line at a level's start
constexpr int LINE_STEP = 20;
constexpr int LEVEL_END_RISE = 55;     // over the level-complete picture the table sits higher
constexpr int EARNED_BONUS_Y = 235;

int panel_text_colour() { return makecol(255, 200, 20); }

}  // namespace

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

void draw_score_panel(int player, bool level_end)
{
  PlayerSlot &slot = player_slots[player];
  BITMAP *panel = level_panels[player];
  const int colour = panel_text_colour();
  int ends[6];
  level_bonus_ranges(slot.level, ends);

  for (int line = 0; line < 3; line++) {
    const int y = TABLE_TOP + LINE_STEP * line - LEVEL_END_RISE * level_end;
    const int low = ends[2 * line], high = ends[2 * line + 1];
    // The first level's ranges are single clear counts.
    if (slot.level == 1)
      print_centred(panel, font_numbers, PANEL_CENTRE_X, y, colour, "%d    %6d", low,
                    LEVEL_BONUS_VALUES[line]);
    else
      print_centred(panel, font_numbers, PANEL_CENTRE_X, y, colour, "%2d -%2d %6d", low, high,
                    LEVEL_BONUS_VALUES[line]);
  }
  if (!level_end) return;

  // The fewer clears, the bigger the bonus; more than the last range earns none.
  for (int k = 0; k < 6; k++)
    if (slot.clear_count <= ends[k]) {
      slot.level_bonus = LEVEL_BONUS_VALUES[k / 2];
      break;
    }
  print_centred(panel, font_numbers, PANEL_CENTRE_X, EARNED_BONUS_Y, colour, "%d", slot.level_bonus);
}
