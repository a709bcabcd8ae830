// The title screen on the fake clock: the reveal region by region, the key that hurries it,
// and the settings entry of its menu.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "shell/resources.h"
#include "shell/title_screen.h"
#include "tests/support/headless.h"

namespace {

using Counts = std::array<int, TITLE_REGION_COUNT>;

class TitleScreenTest : public ::testing::Test {
protected:
  TitleScreen title{};
  Counts steps{};  // rests during which each region's fade moved
  int last[TITLE_REGION_COUNT];

  void SetUp() override
  {
    reset_fake_platform();
    start_title_screen(title);
    std::copy(title.fade, title.fade + TITLE_REGION_COUNT, last);
    fake.on_rest = [this] {
      for (int region = 0; region < TITLE_REGION_COUNT; region++)
        steps[region] += std::exchange(last[region], title.fade[region]) != title.fade[region];
    };
  }
  void TearDown() override { fake.on_rest = nullptr; }

  bool highlight_at(int selection)
  {
    const int glow = getpixel(item_bitmap(ITEM_MENU_HIGHLIGHT), 0, 0);
    return getpixel(screen, 350, 185 + 43 * selection) == glow;
  }
};

TEST_F(TitleScreenTest, WithoutAKeyEveryRegionTakes51Steps)
{
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  EXPECT_EQ(steps, (Counts{51, 51, 51, 51, 51, 51}));
  EXPECT_TRUE(highlight_at(0));
}

TEST_F(TitleScreenTest, AKeyDuringRegionTwoHurriesEveryLaterRegionToTwoSteps)
{
  fake.key_presses_at = {2500};  // region 2 shows from 2040 ms to 3060 ms
  run_title_pass(title);
  EXPECT_EQ(steps, (Counts{51, 51, 51, 2, 2, 2}));
}

TEST_F(TitleScreenTest, EnterOnSettingsComesBackToTheSameEntry)
{
  fake.key_presses_at = {0};
  run_title_pass(title);
  title.selection = 1;
  const int start = fake.now_ms;
  key[KEY_ENTER] = 1;
  fake.key_holds = {{KEY_ENTER, start, start + 100}, {KEY_ESC, start + 1000, start + 1100}};
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  EXPECT_GT(fake.now_ms, start + 1000) << "the settings screen ran until ESC";
  run_title_pass(title);
  EXPECT_TRUE(highlight_at(1));
  EXPECT_FALSE(highlight_at(0));

  key[KEY_ESC] = 1;
  EXPECT_EQ(run_title_pass(title), TITLE_LEAVE);
}

}  // namespace
