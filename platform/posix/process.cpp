// The process's arguments and environment on POSIX systems.
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

const char kPathSeparator = '/';

namespace {
std::vector<std::string> arguments;
}  // namespace

void StartProcess(int argc, char** argv) {
  arguments.assign(argv, argv + argc);
}

std::string CommandLineText() {
  // Quoted as a Windows command line would be, so that the program's own
  // splitting gives the arguments back.
  std::string text;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (i > 0) {
      text += ' ';
    }
    if (argument.empty() || argument.find(' ') != std::string::npos) {
      text += '"' + argument + '"';
    } else {
      text += argument;
    }
  }
  return text;
}

std::string EnvironmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace platform
