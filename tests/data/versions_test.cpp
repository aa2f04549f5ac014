#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "data/versions.h"

namespace {

using namespace std::string_literals;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(Versions, NumericValue) {
  struct Case {
    std::string text;
    std::int64_t value;
  };
  const Case cases[] = {
      {" 12", 12},
      {"\t \t12", 12},
      {"1a", 1},
      {"$FF", 255},
      {"$ff", 255},
      {"$fG", 15},
      {"-5", -5},
      {"+5", 5},
      {"0101", 101},
      {"%101", 5},
      {"%102", 2},
      {"- 5", 0},
      {"+-5", 0},
      {"1.05", 1},
      {"", 0},
      {"abc", 0},
      {"$", 0},
      {"%", 0},
      {"-$10", -16},
      {"$-10", 0},
      {" \n5", 0},
      {"12\0003"s, 12},
      // Built modulo 2^64: the bits wrap, then read as signed.
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", kMin},
      {"-9223372036854775808", kMin},
      {"18446744073709551615", -1},
      {"18446744073709551616", 0},
      {"18446744073709551617", 1},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"$10000000000000001", 1},
      {"%1" + std::string(64, '0') + "1", 1},
      {"-18446744073709551615", 1},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE("text: \"" + example.text + "\"");
    EXPECT_EQ(NumericValue(example.text), example.value);
  }
}

TEST(Versions, Validity) {
  struct Case {
    std::string text;
    bool valid;
  };
  const Case cases[] = {
      {"101", true},   {"1", true},     {"999", true},   {"$FF", true},
      {"1a", true},    {"+1", true},    {"%11", true},   {" 1", true},
      {"", false},     {"0", false},    {"-1", false},   {"-99", false},
      {"101 ", false}, {"0101", false}, {"1000", false}, {"abc", false},
      {"$", false},    {"1\r", true},   {"$0", false},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE("text: \"" + example.text + "\"");
    EXPECT_EQ(IsValidVersion(example.text), example.valid);
  }
}

TEST(Versions, Comparison) {
  struct Case {
    std::string installed;
    std::string latest;
    bool update;
  };
  const Case cases[] = {
      {"101", "101", false},
      {"101", "102", true},
      {"200", "150", false},
      {"1.01", "2", true},
      {"1.01", "1", false},
      {"", "1", true},
      {"", "", false},
      {"$FF", "256", true},
      {"-5", "0", true},
      // Compared as signed 64-bit values: a wrapped installed number is small.
      {"18446744073709551615", "1", true},
      {"9223372036854775807", "999", false},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.installed + " against " + example.latest);
    EXPECT_EQ(IsUpdate(example.installed, example.latest), example.update);
  }
}

TEST(Versions, DisplayForm) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"101", "1.01"}, {"99", "9.9"},    {"5", "5."},      {"", "."},
      {"$FF", "$.FF"}, {"1234", "1.23"}, {"1.01", "1..0"}, {" 1", " .1"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE("text: \"" + example.text + "\"");
    EXPECT_EQ(DisplayForm(example.text), example.shown);
  }
}

}  // namespace
