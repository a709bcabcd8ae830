// The title screen on the fake clock: the reveal region by region, the key that hurries it,
// and the settings entry of its menu.
#include <allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "shell/title_screen.h"
#include "tests/support/headless.h"

namespace {

using Counts = std::array<int, TITLE_REGION_COUNT>;

// The rests during which each region's fade moved, over a reveal.
Counts reveal_steps(TitleScreen &title)
{
  Counts steps{}, last;
  last.fill(255);
  fake.on_rest = [&] {
    for (int region = 0; region < TITLE_REGION_COUNT; region++)
      steps[region] += std::exchange(last[region], title.fade[region]) != title.fade[region];
  };
  start_title_screen(title);
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  fake.on_rest = nullptr;
  return steps;
}

TEST(TitleScreen, EveryRegionTakes51StepsAndAKeyHurriesEveryLaterRegionToTwo)
{
  TitleScreen title;
  reset_fake_platform();
  EXPECT_EQ(reveal_steps(title), (Counts{51, 51, 51, 51, 51, 51}));
  reset_fake_platform();
  fake.key_presses_at = {2500};  // region 2 shows from 2040 ms to 3060 ms
  EXPECT_EQ(reveal_steps(title), (Counts{51, 51, 51, 2, 2, 2}));
}

TEST(TitleScreen, EnterOnSettingsComesBackToTheSameEntryAndEscLeaves)
{
  TitleScreen title;
  reset_fake_platform();
  fake.key_presses_at = {0};
  reveal_steps(title);
  title.selection = 1;
  const int start = fake.now_ms;
  key[KEY_ENTER] = 1;
  fake.key_holds = {{KEY_ENTER, start, start + 100}, {KEY_ESC, start + 1000, start + 1100}};
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  EXPECT_GT(fake.now_ms, start + 1000) << "the settings screen ran until ESC";

  EXPECT_EQ(title.selection, 1);
  key[KEY_ESC] = 1;
  EXPECT_EQ(run_title_pass(title), TITLE_LEAVE);
}

}  // namespace
