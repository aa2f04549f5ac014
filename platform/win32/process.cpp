// The process's command line and environment on Windows.
#include <vector>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

namespace platform {

const char kPathSeparator = '\\';

void StartProcess(int, char**) {
  // Windows keeps the command line itself (CommandLineText); a failing
  // critical-error handler must not show a system dialog for a missing file.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

std::string CommandLineText() { return GetCommandLineA(); }

std::string EnvironmentVariable(const std::string& name) {
  std::vector<char> value(256);
  for (;;) {
    const DWORD length = GetEnvironmentVariableA(
        name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      return {};
    }
    if (length < value.size()) {
      return std::string(value.data(), length);
    }
    value.resize(length);  // too small: length counts the closing NUL
  }
}

std::string TemporaryDirectory() {
  std::string directory = EnvironmentVariable("tmp");
  if (directory.empty()) {
    // Without "tmp", a name joined to the empty text would land in the root
    // of the current drive; the system's own temporary folder is sound.
    char path[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length > 0 && length < sizeof path) {
      directory.assign(path, length);
    }
  }
  while (directory.size() > 1 &&
         (directory.back() == '\\' || directory.back() == '/')) {
    directory.pop_back();
  }
  return directory;
}

}  // namespace platform
