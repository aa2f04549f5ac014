// The one in-memory toolkit of the process, shared by the files that
// implement its parts of platform.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/event_script.h"
#include "platform/headless/headless_toolkit.h"

namespace platform {
struct Font {
  std::string name;  // the design's name, shown in the records
};
}  // namespace platform

namespace headless {

struct Toolkit {
  std::vector<ScriptEvent> script;
  std::size_t nextEvent = 0;
  platform::DisplaySize screen = {1024, 768};
  int failingFont = 0;
  int fontsCreated = 0;
  std::string statePath;
  bool configuredInProcess = false;  // keeps the waits, ignores environment
  ToolkitState state;
  std::vector<WaitRecord> waits;
  std::optional<ToolkitState> exitState;
};

Toolkit& TheToolkit();

// nullptr when no window or control of that number exists.
WindowState* FindWindow(int number);
ControlState* FindControl(int id);

// Applies change to the window or control of that number, if there is one.
template <typename Change>
void ChangeWindow(int number, Change change) {
  if (WindowState* window = FindWindow(number)) change(*window);
}
template <typename Change>
void ChangeControl(int id, Change change) {
  if (ControlState* control = FindControl(id)) change(*control);
}

}  // namespace headless
