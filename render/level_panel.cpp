#include "render/level_panel.h"

#include "shell/resources.h"

namespace {

constexpr int DIGIT_WIDTH = 18, DIGIT_HEIGHT = 20;
constexpr int QUOTA_SLOT_STEP = 19;
constexpr int MAX_SLOTS = 9;

int quota_slots(int quota)
{
  int slots = 3;
  for (int limit = 1000; quota >= limit && slots < MAX_SLOTS; limit *= 10) slots++;
  return slots;
}

}  // namespace

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
