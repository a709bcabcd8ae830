// A count of the milliseconds since it was last set. It reads the monotonic clock when asked
// rather than being counted up by a timer callback every millisecond: such a timer wakes the
// process a thousand times a second, even while the game only waits for its next frame.
#pragma once

#include <atomic>
#include <cstdint>

// The clock the counters read, in milliseconds; tests replace it with one of their own.
extern int64_t (*millisecond_clock)();
int64_t monotonic_milliseconds();

class MillisecondCounter {
public:
  operator int() const { return static_cast<int>(millisecond_clock() - origin_); }
  MillisecondCounter &operator=(int value)
  {
    origin_ = millisecond_clock() - value;
    return *this;
  }
  MillisecondCounter &operator+=(int milliseconds)
  {
    origin_ -= milliseconds;
    return *this;
  }

private:
  std::atomic<int64_t> origin_{0};
};

// Milliseconds since the last frame began (frame pacing) or since the goodbye screen showed.
extern MillisecondCounter tick_counter;
