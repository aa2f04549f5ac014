// The fixed window frame of the in-memory toolkit, so that placement can be
// computed and checked.
#pragma once

#include <algorithm>

#include "platform/headless/headless_toolkit.h"

namespace headless {

inline constexpr int kFrameWidth = 6;
inline constexpr int kNormalFrameHeight = 29;  // title bar and borders
inline constexpr int kToolFrameHeight = 23;    // the narrow title bar

inline int WholeWidth(const WindowState& window) {
  return window.width + kFrameWidth;
}
inline int WholeHeight(const WindowState& window) {
  return window.height + (window.tool ? kToolFrameHeight : kNormalFrameHeight);
}

// The top-left corner of the whole window centred on the display, each
// coordinate no less than 0.
inline void CentreOnDisplay(WindowState& window,
                            platform::DisplaySize display) {
  window.x = std::max(0, (display.width - WholeWidth(window)) / 2);
  window.y = std::max(0, (display.height - WholeHeight(window)) / 2);
}

}  // namespace headless
