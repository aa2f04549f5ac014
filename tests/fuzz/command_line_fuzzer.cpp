// Command-line splitting over any text: the two parameters agree with a
// second, independently written reading of the rule, and nothing reads past
// the text.
#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The tokens of text, character by character: blanks separate; a token that
// starts with a quote runs to the next quote, which ends it at once.
std::vector<std::string> ExpectedTokens(std::string_view text) {
  enum class State { kBetween, kPlain, kQuoted } state = State::kBetween;
  std::vector<std::string> tokens;
  for (char c : text) {
    switch (state) {
      case State::kBetween:
        if (c == '"') {
          tokens.emplace_back();
          state = State::kQuoted;
        } else if (c != ' ') {
          tokens.emplace_back(1, c);
          state = State::kPlain;
        }
        break;
      case State::kPlain:
        if (c == ' ') {
          state = State::kBetween;
        } else {
          tokens.back().push_back(c);
        }
        break;
      case State::kQuoted:
        if (c == '"') {
          state = State::kBetween;
        } else {
          tokens.back().push_back(c);
        }
        break;
    }
  }
  return tokens;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const CommandLineParameters parameters = SplitCommandLine(text);

  const std::vector<std::string> tokens = ExpectedTokens(text);
  const std::string mode = tokens.size() > 1 ? tokens[1] : "";
  const std::string language =
      tokens.size() > 2 && !tokens[2].empty() ? tokens[2] : "English";
  FUZZ_REQUIRE(parameters.mode == mode);
  FUZZ_REQUIRE(parameters.language == language);

  // Further parameters have no effect: text added at the end can change
  // only the last token and those after it.
  const CommandLineParameters extended = SplitCommandLine(text + " x \"y");
  if (tokens.size() > 2) {
    FUZZ_REQUIRE(extended.mode == parameters.mode);
  }
  if (tokens.size() > 3) {
    FUZZ_REQUIRE(extended.language == parameters.language);
  }
  return 0;
}
