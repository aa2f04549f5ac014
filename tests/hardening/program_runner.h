// Runs the whole program in this process over the in-memory toolkit, in the
// current directory as it stands: the test lays out (or breaks) the data
// files first.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_toolkit.h"

struct ProgramRun {
  std::vector<std::string> arguments;  // after the program's name
  std::vector<std::string> events;     // the event script
  int failingFont = 0;
};

// Runs the program to its end and returns the toolkit's state at its exit.
headless::ToolkitState RunWholeProgram(const ProgramRun& run);

// Writes a language file language/English.txt whose line n reads "Tn".
void WriteNumberedLanguageFile();
