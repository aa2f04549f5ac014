#include "tests/hardening/program_runner.h"

#include <filesystem>
#include <fstream>

#include "app/program_run.h"
#include "data/tables.h"

headless::ToolkitState RunWholeProgram(const ProgramRun& run) {
  headless::ConfigureToolkit({.events = run.events,
                              .screen = {1024, 768},
                              .failingFont = run.failingFont,
                              .statePath = ""});
  std::vector<std::string> arguments = {"quorvel"};
  arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  platform::StartProcess(static_cast<int>(arguments.size()), argv.data());
  RunProgram();
  return headless::ExitState().value_or(headless::ToolkitState{});
}

void WriteNumberedLanguageFile() {
  std::filesystem::create_directories("language");
  std::ofstream file("language/English.txt", std::ios::binary);
  for (int line = 0; line < kLanguageSlots; ++line) {
    file << "T" << line << "\r\n";
  }
}
