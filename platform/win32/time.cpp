// Sleeping and the whole-second clock on Windows.
#include "platform/platform.h"
#include "platform/win32/win32_api.h"
// clang-format off
#include <mmsystem.h>
// clang-format on

namespace platform {

void SleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) {
    return;
  }
  // The default timer tick (about 15.6 ms) would stretch the short pauses of
  // a check; the fine resolution is held only for the length of the pause.
  timeBeginPeriod(1);
  Sleep(static_cast<DWORD>(milliseconds));
  timeEndPeriod(1);
}

std::int64_t MonotonicSeconds() {
  return static_cast<std::int64_t>(GetTickCount64() / 1000);
}

}  // namespace platform
