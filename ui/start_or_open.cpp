#include "ui/start_or_open.h"

#include "platform/platform.h"

void StartOrOpen(const std::string& text) {
  std::string commandLine =
      !text.empty() && text[0] == '"' ? text : '"' + text + '"';
  if (platform::StartProgram(commandLine)) return;
  // A document's folder, up to its last backslash, is its working directory
  // when there is a backslash after the first character.
  std::size_t lastBackslash = text.rfind('\\');
  if (lastBackslash != std::string::npos && lastBackslash >= 1) {
    std::string workingDirectory = text.substr(0, lastBackslash + 1);
    platform::OpenWithDefaultHandler(text, &workingDirectory);
  } else {
    platform::OpenWithDefaultHandler(text, nullptr);
  }
}
