// The display: the pointer reads in game pixels; the window's factor fits the desktop; F2
// switches between the window and 640 x 480 full screen. (How a frame reaches the screen at
// each factor is presenting's own test.)
#include <allegro.h>
#include <gtest/gtest.h>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "shell/main_loop.h"
#include "shell/prerender.h"
#include "shell/startup.h"
#include "state/game_state.h"
#include "tests/support/game_state.h"
#include "tests/support/headless.h"

namespace {

constexpr int UNTOUCHED = 0x1234;  // what a new screen shows before anything is presented

// A screen of the given factor's size in place of the headless one while a test runs.
class Display : public ::testing::Test {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_game_state();
    prepare_play_screen();
    headless_screen = screen;
  }
  void TearDown() override
  {
    if (screen != headless_screen) destroy_bitmap(screen);
    screen = headless_screen;
    scale_factor = 1;
    window_scale = 0;
    windowed = false;
  }
  void use_screen_of_factor(int factor)
  {
    if (screen != headless_screen) destroy_bitmap(screen);
    screen = create_bitmap(SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
    clear_to_color(screen, UNTOUCHED);
    scale_factor = factor;
  }
  BITMAP *headless_screen = nullptr;
};

}  // namespace

TEST_F(Display, ThePointerIsReadAndPlacedInGamePixels)
{
  for (int factor = 1; factor <= MAX_SCALE; factor++) {
    scale_factor = factor;
    // The pointer anywhere in a game pixel's square reads as that game pixel.
    mouse_x = 150 * factor + factor - 1;
    mouse_y = 49 * factor;
    EXPECT_EQ(library_platform.pointer_x(), 150) << "factor " << factor;
    EXPECT_EQ(library_platform.pointer_y(), 49) << "factor " << factor;
    // A pointer placed on a game pixel reads back as that pixel.
    for (int x = 0; x < SCREEN_WIDTH; x++) {
      mouse_x = to_screen_pixels(x);
      ASSERT_EQ(library_platform.pointer_x(), x) << "factor " << factor;
    }
  }
}

TEST_F(Display, TheWindowTakesTheLargestFactorThatFitsTheDesktopWithItsFrame)
{
  // Each factor's smallest fitting desktop, and one just too small for it.
  const struct { int width, height, factor; } desktops[] = {
      {640, 480, 1}, {1295, 1040, 1}, {1296, 1040, 2}, {1296, 1039, 1}, {1936, 1520, 3}, {1935, 1520, 2},
      {7680, 4320, 3}};
  for (const auto &desktop : desktops)
    EXPECT_EQ(fitting_scale(desktop.width, desktop.height), desktop.factor)
        << desktop.width << " x " << desktop.height;
}

TEST_F(Display, StartUpPrefersALargerWindowAndF2SwitchesItWithFullScreenAtFactorOne)
{
  use_screen_of_factor(2);
  window_scale = 2;
  ASSERT_TRUE(open_screen());
  EXPECT_TRUE(windowed);
  EXPECT_EQ(fake.mode_width * 1000 + fake.mode_height, 1280 * 1000 + 960);
  EXPECT_EQ(scale_factor, 2);

  key[KEY_F2] = 1;
  global_key_guard = 30;
  handle_function_keys();
  EXPECT_FALSE(windowed);
  EXPECT_EQ(fake.mode_width * 1000 + fake.mode_height, 640 * 1000 + 480);
  EXPECT_EQ(scale_factor, 1);
  global_key_guard = 30;
  handle_function_keys();
  EXPECT_TRUE(windowed);
  EXPECT_EQ(scale_factor, 2);
}
