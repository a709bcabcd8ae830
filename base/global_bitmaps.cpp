#include "base/global_bitmaps.h"

BITMAP *cell_overlay_sprites[2];
BITMAP *back_buffer;
BITMAP *background_buffer;
BITMAP *tile_sprites[TILE_SET_COUNT][TILE_KINDS + 1];
BITMAP *lamp_sprites[2 * LAMP_COLOURS];
BITMAP *lamp_socket_sprite;
BITMAP *new_lamp_sprites[4];
BITMAP *level_panels[2];
BITMAP *points_sprites[TILE_KINDS];
BITMAP *power_maps[2];
BITMAP *bonus_sprites[2];

namespace {

// Creation and destruction walk the same list in the same order.
template <typename Visit> void for_each_global_bitmap(Visit visit)
{
  for (BITMAP *&overlay : cell_overlay_sprites) visit(overlay, 30, 30, 0);
  visit(back_buffer, SCREEN_WIDTH, SCREEN_HEIGHT, 0);
  visit(background_buffer, SCREEN_WIDTH, SCREEN_HEIGHT, 0);
  for (auto &set : tile_sprites)
    for (int kind = 1; kind <= TILE_KINDS; kind++) visit(set[kind], 30, 30, 0);
  for (BITMAP *&lamp : lamp_sprites) visit(lamp, LAMP_SIZE, LAMP_SIZE, 0);
  visit(lamp_socket_sprite, LAMP_SIZE, LAMP_SIZE, 0);
  for (int value = 1; value <= 3; value++) visit(new_lamp_sprites[value], LAMP_SIZE, LAMP_SIZE, 0);
  for (BITMAP *&panel : level_panels) visit(panel, 142, 278, 0);
  for (BITMAP *&points : points_sprites) visit(points, 20, 20, 0);
  for (BITMAP *&map : power_maps) visit(map, 30, 65, 8);
  for (BITMAP *&bonus : bonus_sprites) visit(bonus, 72, 45, 0);
}

}  // namespace

void create_global_bitmaps()
{
  for_each_global_bitmap([](BITMAP *&bitmap, int width, int height, int depth) {
    bitmap = depth ? create_bitmap_ex(depth, width, height) : create_bitmap(width, height);
  });
}

void destroy_global_bitmaps()
{
  for_each_global_bitmap([](BITMAP *&bitmap, int, int, int) {
    if (bitmap) destroy_bitmap(bitmap);
    bitmap = nullptr;
  });
}

bool global_bitmaps_complete()
{
  bool complete = true;
  for_each_global_bitmap([&](BITMAP *&bitmap, int, int, int) { complete = complete && bitmap; });
  return complete;
}
