#include "base/leave_request.h"

#include <atomic>
#include <csignal>

namespace {

constexpr int LEAVE_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int LEAVE_SIGNAL_COUNT = sizeof LEAVE_SIGNALS / sizeof LEAVE_SIGNALS[0];

std::atomic<bool> close_flag{false};
volatile std::sig_atomic_t signal_number = 0;

bool dispositions_known = false;
bool ignored_at_start[LEAVE_SIGNAL_COUNT];

extern "C" void note_leave_signal(int number) { signal_number = number; }

void set_handler(int number, void (*handler)(int))
{
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(number, &action, nullptr);
}

}  // namespace

void request_close() { close_flag = true; }
void clear_close_request() { close_flag = false; }

void catch_leave_signals()
{
  for (int i = 0; i < LEAVE_SIGNAL_COUNT; i++) {
    if (!dispositions_known) {
      struct sigaction current;
      sigaction(LEAVE_SIGNALS[i], nullptr, &current);
      ignored_at_start[i] = current.sa_handler == SIG_IGN;
    }
    set_handler(LEAVE_SIGNALS[i], ignored_at_start[i] ? SIG_IGN : note_leave_signal);
  }
  dispositions_known = true;
}

bool leave_requested() { return close_flag || signal_number != 0; }
int leave_signal() { return signal_number; }

void clear_leave_requests()
{
  close_flag = false;
  signal_number = 0;
}
