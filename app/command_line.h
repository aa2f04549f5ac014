// Splitting the command line into the two parameters the program reads.
#pragma once

#include <string>
#include <string_view>

struct CommandLineParameters {
  std::string mode;      // becomes ModeParameter
  std::string language;  // becomes LanguageName: "English" when empty
};

// Blanks separate tokens; a token that begins with a double quote runs to the
// next double quote. The first token (the program) is skipped; parameters
// beyond the second are ignored.
CommandLineParameters SplitCommandLine(std::string_view commandLine);
