// Windows of the in-memory toolkit, placed by the frame model.
#include <algorithm>

#include "platform/headless/frame_model.h"
#include "platform/headless/toolkit_core.h"

namespace platform {

using headless::FindWindow;
using headless::TheToolkit;

void OpenWindow(int window, const std::string& title, int clientWidth,
                int clientHeight, WindowStyle style) {
  headless::WindowState* existing = FindWindow(window);
  if (existing == nullptr) {
    existing = &TheToolkit().state.windows.emplace_back();
  }
  // A window opened again starts afresh but keeps its place in the list.
  *existing = headless::WindowState{};
  existing->number = window;
  existing->title = title;
  existing->width = clientWidth;
  existing->height = clientHeight;
  existing->open = true;
  existing->tool = style == WindowStyle::kTool;
}

void CentreWindow(int window) {
  if (headless::WindowState* state = FindWindow(window)) {
    headless::CentreOnDisplay(*state, PrimaryDisplaySize());
  }
}

void SetWindowTopmost(int window, bool topmost) {
  headless::ChangeWindow(
      window, [&](headless::WindowState& state) { state.topmost = topmost; });
}

void EnableWindow(int window, bool enabled) {
  headless::ChangeWindow(
      window, [&](headless::WindowState& state) { state.enabled = enabled; });
}

void SetWindowHeightAndTop(int window, int clientHeight, int top) {
  if (headless::WindowState* state = FindWindow(window)) {
    state->height = clientHeight;
    state->y = top;
  }
}

void CloseWindow(int window) {
  headless::WindowState* state = FindWindow(window);
  if (state == nullptr || !state->open) return;
  state->open = false;
  std::erase_if(TheToolkit().state.controls,
                [window](const headless::ControlState& control) {
                  return control.window == window;
                });
}

DisplaySize PrimaryDisplaySize() { return TheToolkit().screen; }

}  // namespace platform
