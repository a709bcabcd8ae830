// Start-up's screen and the goodbye screen's timing, with the platform's modes, clock and keys
// standing in for the library's.
#include <allegro.h>
#include <gtest/gtest.h>
#include <vector>

#include "shell/main_loop.h"
#include "shell/startup.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

TEST(Startup, TheScreenIsFullFirstThenAWindow)
{
  reset_fake_platform();
  for (const std::vector<int> &failing : {std::vector<int>{}, {GFX_AUTODETECT_FULLSCREEN}}) {
    fake.failing_gfx_cards = failing;
    EXPECT_TRUE(open_screen());
    EXPECT_EQ(windowed, !failing.empty());
  }
  fake.failing_gfx_cards = {GFX_AUTODETECT_FULLSCREEN, GFX_AUTODETECT_WINDOWED};
  EXPECT_FALSE(open_screen());
  windowed = false;
}

TEST(GoodbyeScreen, LastsTwoSecondsOrEndsAtAKeyPressedAfterTheFirstHalfSecond)
{
  const struct { std::vector<int> keys; int ends_at; } runs[] = {
      {{}, 2000}, {{0, 250, 499}, 2000}, {{100, 900}, 900}, {{501}, 501}};
  for (const auto &run : runs) {
    reset_fake_platform();
    fake.key_presses_at = run.keys;
    show_goodbye_screen();
    EXPECT_EQ(fake.now_ms, run.ends_at) << run.keys.size() << " keys";
  }
}
