// How the in-memory toolkit is set up: from the environment when it runs as
// the quorvel-headless program, or by a test in the same process.
#pragma once

#include <string>

#include "platform/platform.h"

namespace headless {

// QUORVEL_SCREEN: "WIDTHxHEIGHT" or "none" (0 × 0). False when malformed.
bool ParseScreen(const std::string& text, platform::DisplaySize& screen);

// QUORVEL_FAIL_FONT: "1", "2" or "3"; empty means no failing font.
bool ParseFailingFont(const std::string& text, int& failingFont);

}  // namespace headless
