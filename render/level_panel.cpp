#include "render/level_panel.h"

#include "base/global_bitmaps.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/supply.h"
#include "render/score_panel.h"
#include "render/translucent.h"
#include "state/game_state.h"

namespace {

constexpr int QUOTA_SLOT_STEP = 19;
constexpr int MAX_SLOTS = 9;

constexpr int PANEL_X = 48, PANEL_Y = 100;  // from the left of the player's half

// The level's start: its picture, the level number beside "LEVEL", the quota beside "blocks".
constexpr int PANEL_PICTURE_WIDTH = 142, PANEL_PICTURE_HEIGHT = 166;
constexpr int LEVEL_TENS_X = 85, LEVEL_UNITS_X = 104;

// The level's end: the level-complete picture.
constexpr int LEVEL_COMPLETE_X = 11, LEVEL_COMPLETE_WIDTH = 120, LEVEL_COMPLETE_HEIGHT = 230;

int quota_slots(int quota)
{
  int slots = 3;
  for (int limit = 1000; quota >= limit && slots < MAX_SLOTS; limit *= 10) slots++;
  return slots;
}

}  // namespace

void paint_level_panel(int player)
{
  BITMAP *panel = level_panels[player];
  const int level = player_slots[player].level;
  clear_to_color(panel, makecol(255, 0, 255));
  blit(item_bitmap(ITEM_LEVEL_PANEL), panel, 0, 0, 0, 0, PANEL_PICTURE_WIDTH, PANEL_PICTURE_HEIGHT);
  draw_score_panel(player, false);

  // Levels past 99 are out of any player's reach; they would show their last two digits.
  if (level > 9) {
    draw_panel_digit(panel, level / 10 % 10, LEVEL_TENS_X, 0);
    draw_panel_digit(panel, level % 10, LEVEL_UNITS_X, 0);
  } else {
    draw_panel_digit(panel, level % 10, LEVEL_TENS_X, 0);
  }
  draw_quota_number(panel, level_quota(level), level_quota(level));
}

void paint_level_complete_panel(int player)
{
  BITMAP *panel = level_panels[player];
  clear_to_color(panel, makecol(255, 0, 255));
  blit(item_bitmap(ITEM_LEVEL_COMPLETE), panel, 0, 0, LEVEL_COMPLETE_X, 0, LEVEL_COMPLETE_WIDTH,
       LEVEL_COMPLETE_HEIGHT);
  draw_score_panel(player, true);
}

void draw_level_panel(int player)
{
  draw_translucent(level_panels[player], PLAYER_X_STEP * player + PANEL_X, PANEL_Y,
                   player_slots[player].fade_alpha);
}

void draw_panel_digit(BITMAP *panel, int digit, int x, int y)
{
  blit(item_bitmap(ITEM_DIGITS), panel, DIGIT_WIDTH * digit, 0, x, y, DIGIT_WIDTH, DIGIT_HEIGHT);
}

int quota_units_x(int quota) { return QUOTA_SLOT_STEP * (quota_slots(quota) - 1); }

void draw_quota_number(BITMAP *panel, int value, int quota)
{
  const int slots = quota_slots(quota);
  int divisor = 1;
  for (int slot = 1; slot < slots; slot++) divisor *= 10;
  bool leading = true;
  for (int slot = 0; slot < slots; slot++, divisor /= 10) {
    const int digit = value / divisor % 10;
    if (digit != 0 || slot == slots - 1) leading = false;
    if (!leading) draw_panel_digit(panel, digit, QUOTA_SLOT_STEP * slot, QUOTA_Y);
  }
}
