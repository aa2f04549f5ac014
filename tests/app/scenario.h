// Runs the whole program in this process over the in-memory toolkit, in a
// fresh current directory that holds the data files a scenario names.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_toolkit.h"

// A language file whose line n reads "Tn", except lines 42 and 43, which
// end with the separator before a version, and the unused lines 48 to 50.
std::vector<std::string> NumberedLanguage();

inline constexpr char kUnreachableUrl[] = "http://127.0.0.1:1/version.txt";

struct Scenario {
  std::vector<std::string> arguments;  // after the program's name
  // language/<name>.txt; nullopt: there is no language file.
  std::optional<std::vector<std::string>> language = NumberedLanguage();
  std::string languageFileName = "English";
  // localversion.txt, byte for byte; nullopt: there is none.
  std::optional<std::string> localVersion =
      std::string("Quorvel Demo\n101\n") + kUnreachableUrl + "\n";
  std::vector<std::string> events;
  platform::DisplaySize screen = {1024, 768};
  int failingFont = 0;
};

// Runs the program to its end; the outcome is in headless::State(),
// headless::Waits() and headless::ExitState().
void RunScenario(const Scenario& scenario);

// The state at the wait whose event is the given script line, counted from
// the first wait of the run (occurrence 0 is the first such wait).
const headless::ToolkitState& StateAtWait(const std::string& event,
                                          int occurrence = 0);
