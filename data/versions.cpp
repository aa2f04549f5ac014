#include "data/versions.h"

#include <cstddef>

namespace {

constexpr std::size_t kVersionLength = 3;
constexpr std::int64_t kLowestVersion = 1;
constexpr std::int64_t kHighestVersion = 999;

// The value of a digit character in any base up to 16, or -1.
int DigitValue(char character) {
  if (character >= '0' && character <= '9') return character - '0';
  if (character >= 'A' && character <= 'F') return character - 'A' + 10;
  if (character >= 'a' && character <= 'f') return character - 'a' + 10;
  return -1;
}

}  // namespace

std::int64_t NumericValue(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  int base = 10;
  if (at < text.size() && text[at] == '$') {
    base = 16;
    ++at;
  } else if (at < text.size() && text[at] == '%') {
    base = 2;
    ++at;
  }
  // Unsigned arithmetic wraps modulo 2^64 by definition; the conversion back
  // to signed keeps the same bits.
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at]);
    if (digit < 0 || digit >= base) {
      break;
    }
    value = value * static_cast<std::uint64_t>(base) +
            static_cast<std::uint64_t>(digit);
  }
  if (negative) {
    value = 0 - value;
  }
  return static_cast<std::int64_t>(value);
}

bool IsValidVersion(std::string_view text) {
  if (text.size() > kVersionLength) {
    return false;
  }
  const std::int64_t value = NumericValue(text);
  return value >= kLowestVersion && value <= kHighestVersion;
}

bool IsUpdate(std::string_view installed, std::string_view latest) {
  return NumericValue(installed) < NumericValue(latest);
}

std::string DisplayForm(std::string_view text) {
  std::string shown(text.substr(0, 1));
  shown += '.';
  if (text.size() > 1) {
    shown += text.substr(1, 2);
  }
  return shown;
}
