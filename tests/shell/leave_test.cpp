// A request to leave from outside the game's loops (the close button, a signal), on the fake
// clock: every screen that waits ends soon after it, where before some waited for a key.
#include <allegro.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>

#include "base/leave_request.h"
#include "control/config_file.h"
#include "control/settings_screen.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "shell/title_screen.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr int ASKED_AT_MS = 1000;
constexpr int GIVE_UP_AT_MS = 20000;

using Leaving = InScratchFolder;

}  // namespace

TEST_F(Leaving, EveryScreenThatWaitsEndsSoonAfterTheRequestTheGoodbyeOnlyAtASecondClose)
{
  const std::pair<const char *, std::function<void()>> screens[] = {
      {"the title's reveal", [] { EXPECT_FALSE(run_title_screen()); }},
      {"the control settings", [] {
         run_control_settings();
         EXPECT_TRUE(std::filesystem::exists(CONFIG_FILE)) << "the controls are saved as at ESC";
       }},
      {"the quit question", [] { EXPECT_TRUE(ask_quit_question()) << "asked to leave, the game leaves"; }},
      {"the unknown version's notice", [] { write_file(CONFIG_FILE, {2}); load_config(); }},
      // The close that ended the game has had its answer.
      {"the goodbye", [] { request_close(); show_goodbye_screen(); }},
  };
  for (const auto &[name, run_screen] : screens) {
    SCOPED_TRACE(name);
    reset_fake_platform();
    clear_leave_requests();
    solid_mode();  // the title left during its reveal draws translucent still
    // A screen that does not notice the request is ended long after by the keys that end it
    // by hand, so that the test fails rather than hangs.
    fake.on_rest = [] {
      if (fake.now_ms >= ASKED_AT_MS) request_close();
      if (fake.now_ms < GIVE_UP_AT_MS) return;
      key[KEY_ESC] = key[KEY_N] = 1;
      fake.buffered_keys = 1;
    };
    run_screen();
    EXPECT_GE(fake.now_ms, ASKED_AT_MS);
    EXPECT_LE(fake.now_ms, ASKED_AT_MS + 300) << "a pass, and the settings screen's closing rest";
  }
  clear_leave_requests();
  reset_fake_platform();
  solid_mode();
}
