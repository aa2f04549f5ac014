#include "platform/headless/event_script.h"

#include <charconv>

namespace headless {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// A window or control number: decimal digits only.
std::optional<int> Number(const std::string& word) {
  int number = 0;
  auto [end, error] =
      std::from_chars(word.data(), word.data() + word.size(), number);
  if (error != std::errc() || end != word.data() + word.size() ||
      word[0] == '-') {
    return std::nullopt;
  }
  return number;
}

}  // namespace

std::optional<ScriptEvent> ParseScriptLine(const std::string& line,
                                           bool& error) {
  error = false;
  std::vector<std::string> words = Words(line);
  if (words.empty() || words[0][0] == '#') return std::nullopt;
  if (words.size() == 1 && words[0] == "other") {
    return ScriptEvent{{platform::EventKind::kOther, 0}, "other"};
  }
  if (words.size() == 2 && (words[0] == "click" || words[0] == "close")) {
    if (std::optional<int> number = Number(words[1])) {
      platform::EventKind kind = words[0] == "click"
                                     ? platform::EventKind::kControl
                                     : platform::EventKind::kClose;
      return ScriptEvent{{kind, *number}, words[0] + " " + words[1]};
    }
  }
  error = true;
  return std::nullopt;
}

bool ParseEventScript(const std::vector<std::string>& lines,
                      std::vector<ScriptEvent>& events, int& badLine) {
  events.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bool error = false;
    std::optional<ScriptEvent> event = ParseScriptLine(lines[i], error);
    if (error) {
      badLine = static_cast<int>(i) + 1;
      return false;
    }
    if (event) events.push_back(*event);
  }
  return true;
}

}  // namespace headless
