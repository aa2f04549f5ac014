// The run mode is never stored: each question compares ModeParameter itself.
#pragma once

#include "data/tables.h"

// Empty first parameter: the window opens at once and shows every step.
inline bool IsInteractiveMode() { return ModeParameter.empty(); }
// Exactly "1": the check runs before any window.
inline bool IsSilentMode() { return ModeParameter == "1"; }
