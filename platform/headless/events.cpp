// The event script delivered as events, and the calls that only record:
// message boxes and texts handed to the system.
#include <cstdio>
#include <cstdlib>

#include "platform/headless/state_records.h"
#include "platform/headless/toolkit_core.h"

namespace headless {
namespace {

constexpr int kScriptExhaustedExitCode = 3;

void RecordWait(const std::optional<std::string>& event) {
  Toolkit& toolkit = TheToolkit();
  if (toolkit.configuredInProcess) {
    toolkit.waits.push_back({event, toolkit.state});
  }
  if (!toolkit.statePath.empty()) {
    AppendRecord(toolkit.statePath, WaitRecordJson(event, toolkit.state));
  }
}

// A real toolkit delivers nothing from a disabled control or window.
bool IsDelivered(const platform::Event& event) {
  if (event.kind == platform::EventKind::kControl) {
    const ControlState* control = FindControl(event.number);
    if (control == nullptr) return true;
    const WindowState* window = FindWindow(control->window);
    return control->enabled && (window == nullptr || window->enabled);
  }
  if (event.kind == platform::EventKind::kClose) {
    const WindowState* window = FindWindow(event.number);
    return window == nullptr || window->enabled;
  }
  return true;
}

}  // namespace
}  // namespace headless

namespace platform {

Event WaitForEvent() {
  headless::Toolkit& toolkit = headless::TheToolkit();
  for (;;) {
    if (toolkit.nextEvent >= toolkit.script.size()) {
      headless::RecordWait(std::nullopt);
      std::fputs("event script exhausted\n", stderr);
      std::fflush(stderr);
      std::_Exit(headless::kScriptExhaustedExitCode);
    }
    const headless::ScriptEvent& next = toolkit.script[toolkit.nextEvent++];
    headless::RecordWait(next.text);
    if (headless::IsDelivered(next.event)) return next.event;
  }
}

void ShowMessageBox(const std::string* title, const std::string& text) {
  std::optional<std::string> shownTitle;
  if (title != nullptr) shownTitle = *title;
  headless::TheToolkit().state.messages.push_back({shownTitle, text});
}

bool StartProgram(const std::string&) { return false; }

bool OpenWithDefaultHandler(const std::string& text, const std::string*) {
  headless::TheToolkit().state.started.push_back(text);
  return true;
}

}  // namespace platform
