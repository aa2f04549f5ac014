// What the check reported and how long it asked to sleep, recorded by the
// tests' own definitions of ReportCheckStep, ReportCheckFailure and
// platform::SleepMilliseconds.
#pragma once

#include <string>
#include <vector>

namespace check_recorder {

// "step 2 40" and "failure 3", in order.
std::vector<std::string> Reports();
// Every sleep's milliseconds, in order.
std::vector<int> Sleeps();
void Clear();

}  // namespace check_recorder
