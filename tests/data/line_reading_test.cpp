#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/text_lines.h"
#include "platform/platform.h"
#include "tests/data/scratch_directory.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

const SplitCase kSplitCases[] = {
    {"empty file", "", {}},
    {"LF", "a\nb\n", {"a", "b"}},
    {"CR LF", "a\r\nb\r\n", {"a", "b"}},
    {"lone CR", "a\rb\r", {"a", "b"}},
    {"LF CR ends two lines", "a\n\rb", {"a", "", "b"}},
    {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
    {"CR LF LF", "a\r\n\nb", {"a", "", "b"}},
    {"no final ending", "a\nb", {"a", "b"}},
    {"CR as the last byte", "a\r", {"a"}},
    {"a single LF", "\n", {""}},
    {"a single CR LF", "\r\n", {""}},
    {"two empty lines", "\n\n", {"", ""}},
    {"NUL ends a line", "a\0b"s, {"a", "b"}},
    {"NUL as the last byte", "a\0"s, {"a"}},
    {"CR then NUL", "a\r\0b"s, {"a", "", "b"}},
    {"byte-order mark kept",
     "\xEF\xBB\xBFName\r\n101",
     {"\xEF\xBB\xBFName", "101"}},
    {"blanks and tabs kept", " a \t\n\tb ", {" a \t", "\tb "}},
    {"high bytes kept", "\xE4\xFF\x80\n", {"\xE4\xFF\x80"}},
};

Lines StoredLines(const std::array<std::string, 51>& table, int count) {
  return Lines(table.begin(), table.begin() + count);
}

TEST(LineReading, SplitsBytesByTheRule) {
  for (const SplitCase& example : kSplitCases) {
    SCOPED_TRACE(example.name);
    std::array<std::string, 51> table;
    std::int8_t counter = 0;
    ReadLinesFromBytes(example.bytes, table, counter);
    EXPECT_EQ(StoredLines(table, counter), example.lines);
  }
}

TEST(LineReading, FileGivesTheSameLinesAsBytes) {
  ScratchDirectory scratch;
  for (const SplitCase& example : kSplitCases) {
    SCOPED_TRACE(example.name);
    WriteBytes("lines.txt", example.bytes);
    platform::File* file = platform::OpenFileForReading("lines.txt");
    ASSERT_NE(file, nullptr);
    std::array<std::string, 51> table;
    std::int32_t counter = 0;
    ReadLinesIntoTable(file, table, counter);
    EXPECT_TRUE(platform::AtEndOfFile(file));
    platform::CloseFile(file);
    EXPECT_EQ(StoredLines(table, counter), example.lines);
  }
}

// Lines longer than any read buffer, and a CR LF split across two reads.
TEST(LineReading, LongLinesAcrossReadsHaveNoLimit) {
  ScratchDirectory scratch;
  const std::string longLine(100000, 'x');
  const std::string bufferEdge(8191, 'y');
  WriteBytes("long.txt", longLine + "\n" + bufferEdge + "\r\nb");
  std::array<std::string, 4> table;
  std::int32_t counter = 0;
  ASSERT_TRUE(ReadTextFileIntoTable("long.txt", table, counter));
  ASSERT_EQ(counter, 3);
  EXPECT_EQ(table[0], longLine);
  EXPECT_EQ(table[1], bufferEdge);
  EXPECT_EQ(table[2], "b");
}

std::string NumberedLines(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += "line" + std::to_string(i) + "\n";
  }
  return bytes;
}

// Lines beyond the table or beyond the counter's range are read and dropped:
// nothing lands outside the table and the count equals the lines stored.
TEST(LineReading, DropsLinesBeyondTableOrCounter) {
  struct OverflowCase {
    const char* name;
    int slots;
    int lines;
    int stored;
  };
  const OverflowCase cases[] = {
      {"language table", 51, 60, 51},
      {"change log stops at 127", 201, 300, 127},
      {"version table", 4, 10, 4},
  };
  for (const OverflowCase& example : cases) {
    SCOPED_TRACE(example.name);
    std::vector<std::string> table(static_cast<std::size_t>(example.slots) + 1,
                                   "untouched");
    std::span<std::string> slots(table.data(),
                                 static_cast<std::size_t>(example.slots));
    std::int8_t counter = 0;
    ReadLinesFromBytes(NumberedLines(example.lines), slots, counter);
    EXPECT_EQ(counter, example.stored);
    EXPECT_EQ(table[static_cast<std::size_t>(example.stored) - 1],
              "line" + std::to_string(example.stored - 1));
    EXPECT_EQ(table[static_cast<std::size_t>(example.stored)], "untouched");
    EXPECT_EQ(table.back(), "untouched");
  }
}

TEST(LineReading, CounterAtItsLimitOrNegativeStoresNothing) {
  std::array<std::string, 201> table;
  std::int8_t full = 127;
  ReadLinesFromBytes("a\nb\n", table, full);
  EXPECT_EQ(full, 127);
  std::int8_t negative = -1;
  ReadLinesFromBytes("a\nb\n", table, negative);
  EXPECT_EQ(negative, -1);
  for (const std::string& slot : table) {
    EXPECT_EQ(slot, "");
  }
}

// Slots no line reaches keep what they held; the counter names the first slot.
TEST(LineReading, FillsFromTheCounterAndKeepsLaterSlots) {
  std::array<std::string, 4> table = {"old0", "old1", "old2", "old3"};
  std::int32_t counter = 1;
  ReadLinesFromBytes("new1\nnew2", table, counter);
  EXPECT_EQ(counter, 3);
  EXPECT_EQ(table,
            (std::array<std::string, 4>{"old0", "new1", "new2", "old3"}));
}

TEST(LineReading, NoFileReadsNothing) {
  std::array<std::string, 4> table;
  std::int32_t counter = 0;
  ReadLinesIntoTable(nullptr, table, counter);
  EXPECT_EQ(counter, 0);
  EXPECT_FALSE(ReadTextFileIntoTable("no such file.txt", table, counter));
  EXPECT_EQ(counter, 0);
}

}  // namespace
