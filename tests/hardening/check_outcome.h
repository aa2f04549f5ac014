// Runs whole checks without a window, standing in for the display: keeps the
// outcome code the check reported last.
#pragma once

#include <string>

// What a check ended with: its outcome code (0 to 6), or kFoundUpdate.
inline constexpr int kFoundUpdate = 100;

// Runs a whole check in muted mode for installed version 101 and the given
// remote version file URL, the tables reset first.
int RunMutedCheck(const std::string& versionUrl);
