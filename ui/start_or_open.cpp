#include "ui/start_or_open.h"

#include "platform/platform.h"

std::string ProgramCommandLine(const std::string& text) {
  return !text.empty() && text[0] == '"' ? text : '"' + text + '"';
}

std::optional<std::string> DocumentFolder(const std::string& text) {
  std::size_t lastBackslash = text.rfind('\\');
  if (lastBackslash == std::string::npos || lastBackslash == 0) {
    return std::nullopt;
  }
  return text.substr(0, lastBackslash + 1);
}

void StartOrOpen(const std::string& text) {
  if (platform::StartProgram(ProgramCommandLine(text))) return;
  std::optional<std::string> folder = DocumentFolder(text);
  platform::OpenWithDefaultHandler(text, folder ? &*folder : nullptr);
}
