#include "data/line_splitter.h"

namespace {
constexpr unsigned char kNul = 0;
constexpr unsigned char kLf = 10;
constexpr unsigned char kCr = 13;
}  // namespace

bool TakeLineByte(LineSplitter& splitter, unsigned char byte) {
  const bool afterCr = splitter.afterCr;
  splitter.afterCr = false;
  if (afterCr && byte == kLf) {
    return false;  // CR LF ends one line, not two
  }
  if (!splitter.lineOpen) {
    splitter.line.clear();
    splitter.lineOpen = true;
  }
  if (byte == kLf || byte == kCr || byte == kNul) {
    splitter.lineOpen = false;
    splitter.afterCr = byte == kCr;
    return true;
  }
  if (splitter.keepBytes) {
    splitter.line.push_back(static_cast<char>(byte));
  }
  return false;
}

bool EndLines(LineSplitter& splitter) {
  const bool lastLineLeft = splitter.lineOpen;
  splitter.lineOpen = false;
  splitter.afterCr = false;
  return lastLineLeft;
}
