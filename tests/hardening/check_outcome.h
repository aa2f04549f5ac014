// Stands in for the display while the check runs without a window: keeps
// the outcome code the check reported last.
#pragma once

// The code of the last ReportCheckFailure since the last clear, or
// kNoFailureReported.
inline constexpr int kNoFailureReported = -1;
int LastReportedOutcome();
void ClearReportedOutcome();
