// A request to leave from outside the game's loops (the close button, a signal), on the fake
// clock: every screen that waits ends soon after it, where before some waited for a key.
#include <allegro.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "base/leave_request.h"
#include "control/bindings.h"
#include "control/config_file.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "shell/title_screen.h"
#include "state/game_state.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr int ASKED_AT_MS = 1000;
constexpr int GIVE_UP_AT_MS = 20000;  // a screen that did not notice is ended by ESC then

class Leaving : public InScratchFolder {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    reset_control_bindings();
    clear_leave_requests();
  }
  void TearDown() override
  {
    fake.on_rest = nullptr;
    clear_leave_requests();
    reset_fake_platform();
  }

  // The request comes `after_ms` from now on the fake clock.
  static void ask_to_leave(int after_ms = ASKED_AT_MS)
  {
    const int at = fake.now_ms + after_ms;
    fake.on_rest = [at] {
      if (fake.now_ms >= at) request_close();
      if (fake.now_ms >= at + GIVE_UP_AT_MS) key[KEY_ESC] = 1;
    };
  }
};

}  // namespace

TEST_F(Leaving, TheTitleEndsDuringItsRevealAndFromTheSettingsScreenWhichSavesFirst)
{
  ask_to_leave();
  EXPECT_FALSE(run_title_screen());
  EXPECT_LE(fake.now_ms, ASKED_AT_MS + 20) << "the reveal alone takes six seconds";

  // ENTER on the menu's second entry opens the settings screen, within the title's pass.
  SetUp();
  TitleScreen title;
  fake.key_presses_at = {0};  // the reveal is hurried
  start_title_screen(title);
  ASSERT_EQ(run_title_pass(title), TITLE_STAYS);
  title.selection = 1;
  const int entered_at = fake.now_ms;
  key[KEY_ENTER] = 1;
  fake.key_holds = {{KEY_ENTER, entered_at, entered_at + 100}};
  ask_to_leave();
  EXPECT_NE(run_title_pass(title), TITLE_PLAY);
  EXPECT_EQ(run_title_pass(title), TITLE_LEAVE);
  EXPECT_LE(fake.now_ms - entered_at, ASKED_AT_MS + 300) << "a pass, the save's rest, a pass";
  EXPECT_TRUE(std::filesystem::exists(CONFIG_FILE)) << "the controls are saved as at ESC";
}

TEST_F(Leaving, TheQuitQuestionAndTheVersionNoticeEndAndTheGoodbyeEndsAtASecondClose)
{
  ask_to_leave();
  EXPECT_TRUE(ask_quit_question()) << "asked to leave, the game leaves";

  SetUp();
  write_file(CONFIG_FILE, {2});  // a version the game does not know: the notice shows
  ask_to_leave();
  load_config();
  EXPECT_EQ(fake.now_ms, ASKED_AT_MS) << "the notice waits no longer";

  // The close that ended the game does not end the goodbye; another one does.
  SetUp();
  request_close();
  ask_to_leave();
  show_goodbye_screen();
  EXPECT_EQ(fake.now_ms, ASKED_AT_MS);
}
