#include "base/clock.h"

#include <ctime>

int64_t monotonic_milliseconds()
{
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

int64_t (*millisecond_clock)() = monotonic_milliseconds;

MillisecondCounter tick_counter;
