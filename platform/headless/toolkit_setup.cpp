#include "platform/headless/toolkit_setup.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/headless/state_records.h"
#include "platform/headless/toolkit_core.h"

namespace headless {
namespace {

// A setting the program cannot follow ends it before anything else happens.
constexpr int kBadSetupExitCode = 2;

[[noreturn]] void RefuseSetup(const std::string& message) {
  std::fprintf(stderr, "quorvel-headless: %s\n", message.c_str());
  std::exit(kBadSetupExitCode);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool ParseDimension(const std::string& text, int& value) {
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() &&
         end == text.data() + text.size() && value >= 0;
}

void TakeEventScript(const std::vector<std::string>& lines, Toolkit& toolkit) {
  int badLine = 0;
  if (!ParseEventScript(lines, toolkit.script, badLine)) {
    RefuseSetup("event script line " + std::to_string(badLine) +
                " is not an event: " + lines[badLine - 1]);
  }
}

void ReadEventScript(const std::string& path, Toolkit& toolkit) {
  std::ifstream file(path, std::ios::binary);
  if (!file) RefuseSetup("cannot read the event script " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  TakeEventScript(lines, toolkit);
}

void ConfigureFromEnvironment(Toolkit& toolkit) {
  std::string events = Environment("QUORVEL_EVENTS");
  if (!events.empty()) ReadEventScript(events, toolkit);
  toolkit.statePath = Environment("QUORVEL_STATE");
  std::string screen = Environment("QUORVEL_SCREEN");
  if (!screen.empty() && !ParseScreen(screen, toolkit.screen)) {
    RefuseSetup("QUORVEL_SCREEN is not WIDTHxHEIGHT or none: " + screen);
  }
  if (!ParseFailingFont(Environment("QUORVEL_FAIL_FONT"),
                        toolkit.failingFont)) {
    RefuseSetup("QUORVEL_FAIL_FONT is not 1, 2 or 3");
  }
}

}  // namespace

bool ParseScreen(const std::string& text, platform::DisplaySize& screen) {
  if (text == "none") {
    screen = {0, 0};
    return true;
  }
  std::size_t cross = text.find('x');
  int width = 0;
  int height = 0;
  if (cross == std::string::npos ||
      !ParseDimension(text.substr(0, cross), width) ||
      !ParseDimension(text.substr(cross + 1), height)) {
    return false;
  }
  screen = {width, height};
  return true;
}

bool ParseFailingFont(const std::string& text, int& failingFont) {
  if (text.empty()) {
    failingFont = 0;
    return true;
  }
  if (text != "1" && text != "2" && text != "3") return false;
  failingFont = text[0] - '0';
  return true;
}

void ConfigureToolkit(const ToolkitSetup& setup) {
  Toolkit& toolkit = TheToolkit();
  toolkit = Toolkit{};
  toolkit.configuredInProcess = true;
  TakeEventScript(setup.events, toolkit);
  toolkit.screen = setup.screen;
  toolkit.failingFont = setup.failingFont;
  toolkit.statePath = setup.statePath;
}

}  // namespace headless

namespace platform {

void StartToolkit() {
  headless::Toolkit& toolkit = headless::TheToolkit();
  if (!toolkit.configuredInProcess) headless::ConfigureFromEnvironment(toolkit);
}

void EndToolkit() {
  headless::Toolkit& toolkit = headless::TheToolkit();
  if (toolkit.configuredInProcess) toolkit.exitState = toolkit.state;
  if (!toolkit.statePath.empty()) {
    headless::AppendRecord(toolkit.statePath,
                           headless::ExitRecordJson(toolkit.state));
  }
}

}  // namespace platform
