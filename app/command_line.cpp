#include "app/command_line.h"

#include <cstddef>

namespace {

constexpr char kBlank = ' ';
constexpr char kQuote = '"';
constexpr const char* kDefaultLanguage = "English";

// Cuts the token that starts at `at` and moves `at` past it. A quoted token
// ends at its closing quote, so the next character begins the next token even
// when it is not a blank.
std::string_view NextToken(std::string_view text, std::size_t& at) {
  if (text[at] == kQuote) {
    const std::size_t start = at + 1;
    const std::size_t close = text.find(kQuote, start);
    const std::size_t end =
        close == std::string_view::npos ? text.size() : close;
    at = close == std::string_view::npos ? text.size() : close + 1;
    return text.substr(start, end - start);
  }
  const std::size_t start = at;
  const std::size_t blank = text.find(kBlank, start);
  at = blank == std::string_view::npos ? text.size() : blank;
  return text.substr(start, at - start);
}

}  // namespace

CommandLineParameters SplitCommandLine(std::string_view commandLine) {
  CommandLineParameters parameters;
  std::string* const targets[] = {nullptr, &parameters.mode,
                                  &parameters.language};
  std::size_t at = 0;
  for (std::string* target : targets) {
    while (at < commandLine.size() && commandLine[at] == kBlank) {
      ++at;
    }
    if (at == commandLine.size()) {
      break;
    }
    const std::string_view token = NextToken(commandLine, at);
    if (target != nullptr) {
      target->assign(token);  // the first token, the program, is skipped
    }
  }
  if (parameters.language.empty()) {
    parameters.language = kDefaultLanguage;
  }
  return parameters;
}
