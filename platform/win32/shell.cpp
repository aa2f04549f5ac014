// Message boxes, the primary display, and handing texts to the system.
#include <vector>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"
// clang-format off
#include <shellapi.h>
// clang-format on

namespace platform {
namespace {

BOOL CALLBACK NotePrimaryDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO information{};
  information.cbSize = sizeof information;
  if (GetMonitorInfoA(monitor, &information) &&
      (information.dwFlags & MONITORINFOF_PRIMARY) != 0) {
    const RECT& area = information.rcMonitor;
    *reinterpret_cast<DisplaySize*>(found) = {area.right - area.left,
                                              area.bottom - area.top};
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void ShowMessageBox(const std::string* title, const std::string& text) {
  MessageBoxA(nullptr, text.c_str(),
              title != nullptr ? title->c_str() : nullptr,
              MB_OK | MB_SETFOREGROUND);
}

DisplaySize PrimaryDisplaySize() {
  DisplaySize size{0, 0};
  EnumDisplayMonitors(nullptr, nullptr, NotePrimaryDisplay,
                      reinterpret_cast<LPARAM>(&size));
  return size;
}

bool StartProgram(const std::string& commandLine) {
  // CreateProcessA may write into the command line it is given.
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &started)) {
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

bool OpenWithDefaultHandler(const std::string& text,
                            const std::string* workingDirectory) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
      nullptr, nullptr, text.c_str(), nullptr,
      workingDirectory != nullptr ? workingDirectory->c_str() : nullptr,
      SW_SHOWNORMAL));
  // ShellExecute reports success as a value above 32.
  return result > 32;
}

}  // namespace platform
