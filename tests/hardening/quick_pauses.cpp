// The system backend's sleep and clock for the leak run: each pause of the
// check is cut to a millisecond, so that hundreds of checks take seconds,
// not minutes. What the run measures is memory, not time.
#include <time.h>

#include "platform/platform.h"

namespace {
constexpr long kPauseNanoseconds = 1000000;
}  // namespace

void platform::SleepMilliseconds(int) {
  timespec pause{0, kPauseNanoseconds};
  nanosleep(&pause, nullptr);
}

std::int64_t platform::MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec;
}
