// Sleeping and the monotonic clock.
#include <time.h>

#include <cerrno>

#include "platform/platform.h"

namespace platform {

void SleepMilliseconds(int milliseconds) {
  timespec left{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  // A signal cuts the sleep short; sleep on for what is left.
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

std::int64_t MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec;
}

}  // namespace platform
