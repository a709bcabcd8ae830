// Start-up's bitmaps and the goodbye screen's timing, with the platform's clock and keys
// standing in for the timer thread and the keyboard.
#include <allegro.h>
#include <gtest/gtest.h>

#include "shell/global_bitmaps.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

void expect_bitmap(BITMAP *bitmap, int width, int height, int depth)
{
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->w, width);
  EXPECT_EQ(bitmap->h, height);
  EXPECT_EQ(bitmap_color_depth(bitmap), depth);
}

TEST(GlobalBitmaps, EachHasItsSizeAndDepth)
{
  ASSERT_TRUE(global_bitmaps_complete());
  for (BITMAP *overlay : cell_overlay_sprites) expect_bitmap(overlay, 30, 30, 16);
  expect_bitmap(back_buffer, 640, 480, 16);
  expect_bitmap(background_buffer, 640, 480, 16);
  for (int set = 0; set < 4; set++)
    for (int kind = 1; kind <= 19; kind++) expect_bitmap(tile_sprites[set][kind], 30, 30, 16);
  for (BITMAP *lamp : lamp_sprites) expect_bitmap(lamp, 22, 22, 16);
  expect_bitmap(lamp_socket_sprite, 22, 22, 16);
  for (int value = 1; value <= 3; value++) expect_bitmap(new_lamp_sprites[value], 22, 22, 16);
  for (BITMAP *panel : level_panels) expect_bitmap(panel, 142, 278, 16);
  for (BITMAP *points : points_sprites) expect_bitmap(points, 20, 20, 16);
  for (BITMAP *map : power_maps) expect_bitmap(map, 30, 65, 8);
  for (BITMAP *bonus : bonus_sprites) expect_bitmap(bonus, 72, 45, 16);
}

TEST(GlobalBitmaps, DestroyThenCreateLeavesNoneMissing)
{
  destroy_global_bitmaps();
  EXPECT_FALSE(global_bitmaps_complete());
  EXPECT_EQ(back_buffer, nullptr);
  create_global_bitmaps();
  EXPECT_TRUE(global_bitmaps_complete());
}

TEST(Screen, FullScreenFirstThenAWindowThenGivesUp)
{
  reset_fake_platform();
  EXPECT_TRUE(open_screen());
  EXPECT_FALSE(windowed);

  fake.failing_gfx_cards = {GFX_AUTODETECT_FULLSCREEN};
  EXPECT_TRUE(open_screen());
  EXPECT_TRUE(windowed);

  fake.failing_gfx_cards = {GFX_AUTODETECT_FULLSCREEN, GFX_AUTODETECT_WINDOWED};
  EXPECT_FALSE(open_screen());
  windowed = false;
}

TEST(GoodbyeScreen, ShowsTheMessageAndLastsTwoSecondsWithoutAKey)
{
  reset_fake_platform();
  show_goodbye_screen();
  EXPECT_EQ(fake.now_ms, 2000);
  // The message is white on black, centred on x 320 around y 200.
  int white = 0;
  for (int y = 195; y < 220; y++)
    for (int x = 200; x < 440; x++) white += getpixel(screen, x, y) == makecol(255, 255, 255);
  EXPECT_GT(white, 100);
  EXPECT_EQ(getpixel(screen, 5, 5), 0);
}

TEST(GoodbyeScreen, KeysInTheFirstHalfSecondAreDiscarded)
{
  reset_fake_platform();
  fake.key_presses_at = {0, 250, 499};
  show_goodbye_screen();
  EXPECT_EQ(fake.now_ms, 2000);
}

TEST(GoodbyeScreen, ALaterKeyEndsItAtOnce)
{
  reset_fake_platform();
  fake.key_presses_at = {100, 900};
  show_goodbye_screen();
  EXPECT_EQ(fake.now_ms, 900);

  reset_fake_platform();
  fake.key_presses_at = {501};
  show_goodbye_screen();
  EXPECT_EQ(fake.now_ms, 501);
}

}  // namespace
