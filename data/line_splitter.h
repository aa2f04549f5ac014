// The text-line reading rule as a machine fed one byte at a time, so that a
// file, a buffer in memory and a fuzzer all drive exactly the same rule, in
// pieces of any size.
#pragma once

#include <string>

struct LineSplitter {
  std::string line;       // the line read so far, or the line just ended
  bool lineOpen = false;  // a line has begun and its ending is not yet read
  bool afterCr = false;   // the byte before was a CR: an LF now belongs to it
  bool keepBytes = true;  // false while lines are only counted off: a line
                          // that will be dropped is not held in memory
};

// Takes the next byte. True when the byte ends a line; that line is then in
// splitter.line until the next byte is taken.
bool TakeLineByte(LineSplitter& splitter, unsigned char byte);

// Called when no byte is left. True when a last line without an ending is
// left in splitter.line.
bool EndLines(LineSplitter& splitter);
