#include "tests/hardening/check_outcome.h"

#include "check/update_check.h"
#include "data/tables.h"
#include "ui/check_display.h"

namespace {
constexpr int kNoFailureReported = -1;
int lastOutcome = kNoFailureReported;
}  // namespace

int RunMutedCheck(const std::string& versionUrl) {
  ResetTables();
  ModeParameter = "muted";
  LocalVersionInfo = {"Product", "101", versionUrl, ""};
  lastOutcome = kNoFailureReported;
  return RunUpdateCheck() == 1 ? kFoundUpdate : lastOutcome;
}

void ReportCheckStep(int, int) {}
void ReportCheckFailure(int outcome) { lastOutcome = outcome; }
