// The in-memory toolkit: the window toolkit of platform.h kept as plain data.
//
// The quorvel-headless program configures it from the environment (see
// StartToolkit); tests in the same process configure it with
// ConfigureToolkit and read the very state that the JSON records show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace headless {

struct WindowState {
  int number = 0;
  std::string title;
  int x = 0;  // top-left of the whole window, frame included
  int y = 0;
  int width = 0;  // client size
  int height = 0;
  bool open = false;
  bool enabled = true;
  bool topmost = false;
  bool tool = false;
};

struct ControlState {
  int id = 0;
  int window = 0;
  platform::ControlKind kind = platform::ControlKind::kLabel;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text;  // kept for every kind; the records show null where the
                     // kind has no text
  std::string font = "default";
  std::optional<platform::Rgb> textColor;
  std::optional<platform::Rgb> fillColor;
  bool border = false;  // a label's sunken border
  bool enabled = true;
  int value = 0;         // a progress bar's position
  int pictureWidth = 0;  // the picture a picture control shows, 0 × 0: none
  int pictureHeight = 0;
};

struct MessageBoxRecord {
  std::optional<std::string> title;  // nullopt: no title was given
  std::string text;
};

struct ToolkitState {
  std::vector<WindowState> windows;    // in the order first opened
  std::vector<ControlState> controls;  // the existing ones, creation order
  std::vector<MessageBoxRecord> messages;
  std::vector<std::string> started;
};

// One wait for an event: the script line about to be delivered (nullopt when
// the script was used up) and the whole state at that moment.
struct WaitRecord {
  std::optional<std::string> event;
  ToolkitState state;
};

struct ToolkitSetup {
  std::vector<std::string> events;             // event script lines
  platform::DisplaySize screen = {1024, 768};  // {0, 0}: no display
  int failingFont = 0;    // 1, 2 or 3: that font's creation fails; 0: none
  std::string statePath;  // where JSON records are appended; empty: nowhere
};

// Starts afresh with the given setup, in place of the environment: everything
// recorded so far is forgotten, and StartToolkit no longer reads the
// environment in this process.
void ConfigureToolkit(const ToolkitSetup& setup);

// The state now, and what was recorded at each wait and at the exit.
const ToolkitState& State();
const std::vector<WaitRecord>& Waits();
// The state at EndToolkit; nullopt until then.
const std::optional<ToolkitState>& ExitState();

}  // namespace headless
