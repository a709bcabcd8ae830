// The title screen on the fake clock: the reveal region by region, the key that hurries it,
// and the menu with its guard, the settings entry and the two ways out.
#include <allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "shell/global_bitmaps.h"
#include "shell/resources.h"
#include "shell/title_screen.h"
#include "tests/support/headless.h"

namespace {

using Fades = std::array<int, TITLE_REGION_COUNT>;

class TitleScreenTest : public ::testing::Test {
protected:
  TitleScreen title{};
  std::vector<Fades> steps;  // the fades at every rest of the reveal

  void SetUp() override
  {
    reset_fake_platform();
    start_title_screen(title);
    fake.on_rest = [this] {
      if (steps.size() < 1000) steps.push_back(Fades{title.fade[0], title.fade[1], title.fade[2],
                                                     title.fade[3], title.fade[4], title.fade[5]});
    };
  }

  // How many steps of the reveal each region took.
  Fades steps_per_region() const
  {
    Fades counts{};
    Fades before;
    before.fill(255);
    for (const Fades &fades : steps) {
      for (int region = 0; region < TITLE_REGION_COUNT; region++)
        counts[region] += fades[region] != before[region];
      before = fades;
    }
    return counts;
  }

  // Whether the screen shows a part of the title item unchanged.
  bool shows_title_item(int source_x, int source_y, int x, int y, int width, int height)
  {
    BITMAP *item = item_bitmap(ITEM_TITLE);
    for (int dy = 0; dy < height; dy++)
      for (int dx = 0; dx < width; dx++)
        if (getpixel(screen, x + dx, y + dy) != getpixel(item, source_x + dx, source_y + dy))
          return false;
    return true;
  }

  bool highlight_at(int selection)
  {
    return getpixel(screen, 350, 185 + 43 * selection) ==
           getpixel(item_bitmap(ITEM_MENU_HIGHLIGHT), 0, 0);
  }
};

TEST_F(TitleScreenTest, WithoutAKeyEachRegionTakes51StepsOneAfterTheOther)
{
  int region5_during_region1 = -1;
  fake.on_rest = [&] {
    steps.push_back(Fades{title.fade[0], title.fade[1], title.fade[2], title.fade[3],
                          title.fade[4], title.fade[5]});
    if (steps.size() == 60) region5_during_region1 = getpixel(back_buffer, 420, 220);
  };
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  EXPECT_EQ(fake.now_ms, 306 * 20 + 20) << "306 steps of 20 ms, then one menu pass";

  std::vector<Fades> reveal(steps.begin(), steps.end() - 1);
  ASSERT_EQ(reveal.size(), 306u);
  for (int region = 0; region < TITLE_REGION_COUNT; region++) {
    SCOPED_TRACE(region);
    // Region r is revealed in steps 51 r .. 51 r + 50, from 250 down to 0.
    EXPECT_EQ(reveal[51 * region][region], 250);
    EXPECT_EQ(reveal[51 * region + 50][region], 0);
    if (region > 0) {
      EXPECT_EQ(reveal[51 * region - 1][region], 255) << "black until its turn";
    }
  }
  EXPECT_EQ(region5_during_region1, 0) << "the menu stays black while the title shows";

  // Everything clear, the highlight on "play" (above the second entry of the menu).
  EXPECT_TRUE(shows_title_item(0, 0, 100, 22, 176, 430));
  EXPECT_TRUE(shows_title_item(40, 430 + 31, 383, 190 + 31, 100, 35));
  EXPECT_TRUE(highlight_at(0));
  EXPECT_FALSE(highlight_at(1));
}

TEST_F(TitleScreenTest, AKeyDuringRegionTwoHurriesEveryLaterRegionToTwoSteps)
{
  fake.key_presses_at = {2500};  // region 2 shows from 2040 ms to 3060 ms
  run_title_pass(title);
  steps.pop_back();  // the menu pass
  EXPECT_EQ(steps_per_region(), (Fades{51, 51, 51, 2, 2, 2}));
  EXPECT_EQ(steps[153][3], 5) << "a hurried region starts at 10";
  EXPECT_EQ(steps.size(), 159u);
}

TEST_F(TitleScreenTest, MenuFlipsOnceEvery16PassesAndEnterOnSettingsComesBack)
{
  fake.key_presses_at = {0};
  run_title_pass(title);
  ASSERT_EQ(fake.now_ms, 12 * 20 + 20) << "a key from the start hurries every region";

  key[KEY_DOWN] = 1;
  std::vector<int> flips;
  for (int pass = 2; pass <= 33; pass++) {
    const int before = title.selection;
    run_title_pass(title);
    if (title.selection != before) flips.push_back(pass);
  }
  EXPECT_EQ(flips, (std::vector<int>{16, 32}));
  key[KEY_DOWN] = 0;
  title.selection = 1;
  run_title_pass(title);
  EXPECT_TRUE(highlight_at(1));

  // ENTER on the settings entry: the settings screen runs until ESC, then the title menu is
  // back with the same entry selected.
  const int start = fake.now_ms;
  key[KEY_ENTER] = 1;
  fake.key_holds = {{KEY_ENTER, start, start + 100}, {KEY_ESC, start + 1000, start + 1100}};
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  EXPECT_GT(fake.now_ms, start + 1000);
  EXPECT_EQ(title.selection, 1);
  EXPECT_TRUE(highlight_at(1));
  EXPECT_FALSE(highlight_at(0));
  EXPECT_TRUE(shows_title_item(0, 0, 100, 22, 176, 430)) << "the title picture is back";

  key[KEY_ESC] = 1;
  EXPECT_EQ(run_title_pass(title), TITLE_LEAVE);
  key[KEY_ESC] = 0;

  // ENTER on play answers after half a second.
  title.selection = 0;
  key[KEY_ENTER] = 1;
  const int before_play = fake.now_ms;
  EXPECT_EQ(run_title_pass(title), TITLE_PLAY);
  EXPECT_EQ(fake.now_ms - before_play, 500);
}

}  // namespace
