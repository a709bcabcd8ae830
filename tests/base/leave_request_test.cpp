// The signals that end a session only raise the request to leave, in place of the library's
// handlers; one ignored when the game started stays ignored. In a child process of its own,
// since the handlers are the whole process's.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "base/leave_request.h"

namespace {

// What the library puts in place for SIGTERM and SIGINT (it aborts), here exiting with 3.
extern "C" void library_like_handler(int) { _exit(3); }

// Exits with 0 when every check passed; otherwise names the first that failed.
void check(bool passed, const char *what)
{
  if (passed) return;
  fprintf(stderr, "%s\n", what);
  exit(1);
}

[[noreturn]] void raise_each_signal()
{
  signal(SIGTERM, SIG_DFL);
  signal(SIGHUP, SIG_DFL);
  signal(SIGINT, SIG_IGN);  // as in a script's background job
  catch_leave_signals();
  signal(SIGTERM, library_like_handler);
  signal(SIGINT, library_like_handler);
  catch_leave_signals();

  raise(SIGINT);
  check(!leave_requested(), "SIGINT, ignored at the start, asked to leave");
  raise(SIGHUP);
  check(leave_requested() && leave_signal() == SIGHUP, "SIGHUP did not ask to leave");
  clear_close_request();
  check(leave_requested(), "forgetting the close button forgot the signal too");
  clear_leave_requests();
  raise(SIGTERM);
  check(leave_signal() == SIGTERM, "SIGTERM did not ask to leave");
  exit(0);
}

}  // namespace

TEST(LeaveRequest, SignalsOnlyAskToLeaveInPlaceOfTheLibrarysHandlersAndAnIgnoredOneStaysIgnored)
{
  EXPECT_EXIT(raise_each_signal(), ::testing::ExitedWithCode(0), "");
}
