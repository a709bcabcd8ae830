#include "render/score_panel.h"

#include <allegro.h>

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "base/text.h"
#include "board/level_bonus.h"
#include "state/game_state.h"

namespace {

constexpr int PANEL_CENTRE_X = 66;
constexpr int TABLE_TOP = 180;         // first line at a level's start
constexpr int LINE_STEP = 20;
constexpr int LEVEL_END_RISE = 55;     // over the level-complete picture the table sits higher
constexpr int EARNED_BONUS_Y = 235;

int panel_text_colour() { return makecol(255, 200, 20); }

}  // namespace

void draw_score_panel(int player, bool level_end)
{
  const PlayerSlot &slot = player_slots[player];
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
  print_centred(panel, font_numbers, PANEL_CENTRE_X, EARNED_BONUS_Y, colour, "%d", slot.level_bonus);
}
