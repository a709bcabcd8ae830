// The title screen on the fake clock: the reveal region by region, the key that hurries it,
// the settings entry of its menu, and the demo of a menu left alone.
#include <allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "base/platform.h"
#include "control/bindings.h"
#include "shell/title_demo.h"
#include "shell/title_screen.h"
#include "state/game_state.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

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

// Left alone for 30 s, the menu gives way to a versus game between two computers, which a
// key ends; the menu then counts again from nothing, and the players' devices are theirs.
// In a folder of its own, so that any file the demo wrote would be seen.
class TitleDemo : public InScratchFolder {};

TEST_F(TitleDemo, ThirtySecondsWithoutInputStartADemoThatAKeyEnds)
{
  TitleScreen title;
  reset_fake_platform();
  reset_control_bindings();
  fake.key_presses_at = {0};
  reveal_steps(title);
  platform.clear_keybuf();

  int menu_ms = 0, demo_frames = 0, demo_started_at = -1;
  fake.on_rest = [&] {
    const bool demo = is_computer(0) && is_computer(1) && player_slots[0].state == STATE_PLAYING;
    if (!demo) return;
    if (demo_started_at < 0) demo_started_at = fake.now_ms;
    // Four seconds of play, then a key.
    if (++demo_frames == 120) fake.key_holds.push_back({KEY_SPACE, fake.now_ms, fake.now_ms + 100});
  };
  const int start = fake.now_ms;
  while (demo_frames == 0 && fake.now_ms - start < 40000) run_title_pass(title);
  menu_ms = demo_started_at - start;
  // The count began with the menu's first pass, just before `start`.
  EXPECT_GT(menu_ms, DEMO_AFTER_MS - 50) << "not before 30 s";
  EXPECT_LT(menu_ms, DEMO_AFTER_MS + 500);
  while (demo_frames < 120) run_title_pass(title);
  EXPECT_EQ(run_title_pass(title), TITLE_STAYS);
  fake.on_rest = nullptr;
  EXPECT_LT(title.idle_ms, 100) << "the menu counts again";
  EXPECT_EQ(control_bindings[0].device * 10 + control_bindings[1].device, 0);
  EXPECT_TRUE(std::filesystem::is_empty(".")) << "the demo wrote a file";
}

}  // namespace
