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

// Tells on standard error what each signal did.
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
  fprintf(stderr, "SIGINT asked: %d.", leave_requested());
  raise(SIGHUP);
  clear_close_request();  // forgets only the close button
  fprintf(stderr, " SIGHUP asked: %d.", leave_requested() && leave_signal() == SIGHUP);
  raise(SIGTERM);
  fprintf(stderr, " SIGTERM asked: %d.", leave_signal() == SIGTERM);
  exit(0);
}

}  // namespace

TEST(LeaveRequest, SignalsOnlyAskToLeaveInPlaceOfTheLibrarysHandlersAndAnIgnoredOneStaysIgnored)
{
  EXPECT_EXIT(raise_each_signal(), ::testing::ExitedWithCode(0),
              "SIGINT asked: 0. SIGHUP asked: 1. SIGTERM asked: 1.");
}
