#include "tests/app/scenario.h"

#include <gtest/gtest.h>

#include "app/program_run.h"
#include "tests/data/scratch_directory.h"

std::vector<std::string> NumberedLanguage() {
  std::vector<std::string> lines;
  for (int n = 0; n <= 47; ++n) lines.push_back("T" + std::to_string(n));
  lines[42] = "Installed: ";
  lines[43] = "Latest: ";
  lines.insert(lines.end(), {"", "", ""});
  return lines;
}

void RunScenario(const Scenario& scenario) {
  ScratchDirectory directory;
  if (scenario.language) {
    std::string bytes;
    for (const std::string& line : *scenario.language) bytes += line + "\n";
    WriteBytes(std::filesystem::path("language") /
                   (scenario.languageFileName + ".txt"),
               bytes);
  }
  if (scenario.localVersion) {
    WriteBytes("localversion.txt", *scenario.localVersion);
  }
  headless::ConfigureToolkit({.events = scenario.events,
                              .screen = scenario.screen,
                              .failingFont = scenario.failingFont,
                              .statePath = ""});
  std::vector<std::string> arguments = {"quorvel"};
  arguments.insert(arguments.end(), scenario.arguments.begin(),
                   scenario.arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  platform::StartProcess(static_cast<int>(arguments.size()), argv.data());
  RunProgram();
}

const headless::ToolkitState& StateAtWait(const std::string& event,
                                          int occurrence) {
  for (const headless::WaitRecord& wait : headless::Waits()) {
    if (wait.event == event && occurrence-- == 0) return wait.state;
  }
  ADD_FAILURE() << "no wait for " << event;
  static const headless::ToolkitState kNone;
  return kNone;
}
