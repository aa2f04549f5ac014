// The number rule, the validity test, the comparison and the display form
// over any texts: no undefined behaviour (the value wraps, it never
// overflows), and the rule's own consequences hold.
#include <charconv>
#include <cstdint>
#include <string>

#include "data/versions.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsSign(char c) { return c == '-' || c == '+'; }

// The value of text when it is nothing but digits of base and short enough
// not to wrap; -1 otherwise.
std::int64_t PlainValue(std::string_view text, int base) {
  const std::size_t mostDigits = base == 10 ? 18 : base == 16 ? 15 : 62;
  if (text.empty() || text.size() > mostDigits) {
    return -1;
  }
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

void CheckValue(const std::string& text) {
  const std::int64_t value = NumericValue(text);
  const auto wrapped = static_cast<std::uint64_t>(value);

  // Blanks and tabs in front change nothing; nor does anything after a
  // character that is no digit in any base.
  FUZZ_REQUIRE(NumericValue(" \t " + text) == value);
  FUZZ_REQUIRE(NumericValue(text + "z") == value);
  FUZZ_REQUIRE(NumericValue(text + "." + text) == NumericValue(text + "."));

  // A sign in front negates (modulo 2^64) a text that has none of its own
  // and starts with its digits or base mark: no blank may follow a sign.
  if (text.empty() || (!IsBlankOrTab(text[0]) && !IsSign(text[0]))) {
    FUZZ_REQUIRE(NumericValue("+" + text) == value);
    FUZZ_REQUIRE(static_cast<std::uint64_t>(NumericValue("-" + text)) ==
                 0 - wrapped);
  }
  if (!text.empty() && IsBlankOrTab(text[0])) {
    FUZZ_REQUIRE(NumericValue("-" + text) == 0);
  }

  // Plain digits of each base give their ordinary value.
  if (const std::int64_t plain = PlainValue(text, 10); plain >= 0) {
    FUZZ_REQUIRE(value == plain);
  }
  if (const std::int64_t plain = PlainValue(text, 16); plain >= 0) {
    FUZZ_REQUIRE(NumericValue("$" + text) == plain);
  }
  if (const std::int64_t plain = PlainValue(text, 2); plain >= 0) {
    FUZZ_REQUIRE(NumericValue("%" + text) == plain);
  }

  FUZZ_REQUIRE(IsValidVersion(text) ==
               (text.size() <= 3 && value >= 1 && value <= 999));

  const std::string shown = DisplayForm(text);
  const std::size_t kept = std::min<std::size_t>(text.size(), 3);
  FUZZ_REQUIRE(shown.size() == kept + 1);
  FUZZ_REQUIRE(shown[text.empty() ? 0 : 1] == '.');
  FUZZ_REQUIRE(shown == (text.substr(0, 1) + "." +
                         (text.size() > 1 ? text.substr(1, 2) : "")));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string installed = input.ConsumeRandomLengthString();
  const std::string latest = input.ConsumeRemainingBytesAsString();
  CheckValue(installed);
  CheckValue(latest);

  // An update exists exactly when the installed value is below the latest,
  // and never both ways round.
  const bool update = IsUpdate(installed, latest);
  FUZZ_REQUIRE(update == (NumericValue(installed) < NumericValue(latest)));
  FUZZ_REQUIRE(!(update && IsUpdate(latest, installed)));
  return 0;
}
