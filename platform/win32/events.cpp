// The blocking wait for the next event of the program's windows.
#include <algorithm>
#include <vector>

#include "platform/win32/toolkit_state.h"

namespace platform {
namespace {

using win32::TheToolkit;

bool TakesFocus(const win32::ControlRecord& record) {
  return (record.kind == ControlKind::kButton ||
          record.kind == ControlKind::kTextBox) &&
         IsWindowEnabled(record.handle) && IsWindowVisible(record.handle);
}

// Tab and Shift+Tab go through the controls that take the focus in the order
// they were created. Controls are stacked later-on-top, so the dialog
// manager's own order (the stacking order) would run backwards.
bool MoveFocusOnTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
    return false;
  }
  const int window = win32::WindowNumberOf(GetAncestor(message.hwnd, GA_ROOT));
  if (window < 0) {
    return false;
  }
  std::vector<const win32::ControlRecord*> stops;
  for (const auto& [number, record] : TheToolkit().controls) {
    if (record.window == window && TakesFocus(record)) {
      stops.push_back(&record);
    }
  }
  if (stops.empty()) {
    return true;
  }
  std::sort(stops.begin(), stops.end(), [](const auto* a, const auto* b) {
    return a->creation < b->creation;
  });
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  const HWND focus = GetFocus();
  const auto current =
      std::find_if(stops.begin(), stops.end(),
                   [focus](const auto* stop) { return stop->handle == focus; });
  std::size_t next = 0;
  if (current == stops.end()) {
    next = backwards ? stops.size() - 1 : 0;
  } else {
    const std::size_t at = static_cast<std::size_t>(current - stops.begin());
    next = backwards ? (at + stops.size() - 1) % stops.size()
                     : (at + 1) % stops.size();
  }
  SetFocus(stops[next]->handle);
  return true;
}

}  // namespace

Event WaitForEvent() {
  auto& events = TheToolkit().events;
  while (events.empty()) {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      // WM_QUIT, which nothing of ours posts.
      return {EventKind::kOther, -1};
    }
    if (MoveFocusOnTab(message)) {
      continue;
    }
    const HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top != nullptr && win32::WindowNumberOf(top) >= 0 &&
        IsDialogMessageA(top, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  const Event event = events.front();
  events.pop_front();
  return event;
}

}  // namespace platform
