#include "platform/headless/toolkit_core.h"

namespace headless {

Toolkit& TheToolkit() {
  static Toolkit toolkit;
  return toolkit;
}

WindowState* FindWindow(int number) {
  for (WindowState& window : TheToolkit().state.windows) {
    if (window.number == number) return &window;
  }
  return nullptr;
}

ControlState* FindControl(int id) {
  for (ControlState& control : TheToolkit().state.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const ToolkitState& State() { return TheToolkit().state; }
const std::vector<WaitRecord>& Waits() { return TheToolkit().waits; }
const std::optional<ToolkitState>& ExitState() {
  return TheToolkit().exitState;
}

}  // namespace headless
