#include "tests/check/check_recorder.h"

#include <chrono>
#include <thread>

#include "platform/platform.h"
#include "ui/check_display.h"

namespace check_recorder {
namespace {

std::vector<std::string> reports;
std::vector<int> sleeps;

// Pauses as long as the check's own are recorded, not slept, so that a test
// of a whole check takes no longer than its downloads. Shorter ones (retry
// pauses) are slept, so that retry loops do not spin.
constexpr int kLongestSleptMilliseconds = 100;

}  // namespace

std::vector<std::string> Reports() { return reports; }
std::vector<int> Sleeps() { return sleeps; }
void Clear() {
  reports.clear();
  sleeps.clear();
}

}  // namespace check_recorder

void ReportCheckStep(int step, int percent) {
  check_recorder::reports.push_back("step " + std::to_string(step) + " " +
                                    std::to_string(percent));
}

void ReportCheckFailure(int outcome) {
  check_recorder::reports.push_back("failure " + std::to_string(outcome));
}

// The backend's clock goes with its sleep; the standard one serves the same.
std::int64_t platform::MonotonicSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void platform::SleepMilliseconds(int milliseconds) {
  check_recorder::sleeps.push_back(milliseconds);
  if (milliseconds < check_recorder::kLongestSleptMilliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}
