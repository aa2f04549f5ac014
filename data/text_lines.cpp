#include "data/text_lines.h"

#include <cstddef>
#include <limits>
#include <utility>

#include "data/line_splitter.h"

namespace {

// A line goes into the next slot only while both the table and the counter
// have room; otherwise it is dropped, so the counter never wraps and never
// names a slot outside the table.
template <typename Counter>
bool HasRoom(std::span<std::string> table, Counter counter) {
  return counter >= 0 && counter < std::numeric_limits<Counter>::max() &&
         std::cmp_less(counter, table.size());
}

template <typename Counter>
void StoreLine(std::string& line, std::span<std::string> table,
               Counter& counter) {
  if (HasRoom(table, counter)) {
    table[static_cast<std::size_t>(counter)] = std::move(line);
    ++counter;
  }
}

// nextByte gives 0 to 255, or a negative value when no byte is left.
template <typename Counter, typename NextByte>
void ReadLines(NextByte nextByte, std::span<std::string> table,
               Counter& counter) {
  LineSplitter splitter;
  splitter.keepBytes = HasRoom(table, counter);
  for (int byte = nextByte(); byte >= 0; byte = nextByte()) {
    if (TakeLineByte(splitter, static_cast<unsigned char>(byte))) {
      StoreLine(splitter.line, table, counter);
      splitter.keepBytes = HasRoom(table, counter);
    }
  }
  if (EndLines(splitter)) {
    StoreLine(splitter.line, table, counter);
  }
}

template <typename Counter>
void ReadFileLines(platform::File* file, std::span<std::string> table,
                   Counter& counter) {
  if (file == nullptr) {
    return;
  }
  ReadLines([file] { return platform::ReadFileByte(file); }, table, counter);
}

template <typename Counter>
void ReadByteLines(std::string_view bytes, std::span<std::string> table,
                   Counter& counter) {
  std::size_t next = 0;
  ReadLines(
      [bytes, &next] {
        return next < bytes.size()
                   ? static_cast<int>(static_cast<unsigned char>(bytes[next++]))
                   : -1;
      },
      table, counter);
}

template <typename Counter>
bool ReadTextFile(const std::string& path, std::span<std::string> table,
                  Counter& counter) {
  platform::File* file = platform::OpenFileForReading(path);
  if (file == nullptr) {
    return false;
  }
  ReadFileLines(file, table, counter);
  platform::CloseFile(file);
  return true;
}

}  // namespace

void ReadLinesIntoTable(platform::File* file, std::span<std::string> table,
                        std::int8_t& counter) {
  ReadFileLines(file, table, counter);
}
void ReadLinesIntoTable(platform::File* file, std::span<std::string> table,
                        std::int32_t& counter) {
  ReadFileLines(file, table, counter);
}

void ReadLinesFromBytes(std::string_view bytes, std::span<std::string> table,
                        std::int8_t& counter) {
  ReadByteLines(bytes, table, counter);
}
void ReadLinesFromBytes(std::string_view bytes, std::span<std::string> table,
                        std::int32_t& counter) {
  ReadByteLines(bytes, table, counter);
}

bool ReadTextFileIntoTable(const std::string& path,
                           std::span<std::string> table, std::int8_t& counter) {
  return ReadTextFile(path, table, counter);
}
bool ReadTextFileIntoTable(const std::string& path,
                           std::span<std::string> table,
                           std::int32_t& counter) {
  return ReadTextFile(path, table, counter);
}
