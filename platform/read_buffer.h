// The read buffer shared by the backends' files: the line reader asks for one
// byte at a time, so each backend reads in pieces through its own call and
// hands the bytes out from here.
#pragma once

#include <array>
#include <cstddef>

namespace platform {

struct ReadBuffer {
  std::array<unsigned char, 8192> bytes{};
  std::size_t next = 0;    // the next unread byte in bytes
  std::size_t filled = 0;  // bytes held in bytes
  bool ended = false;      // end of file or a read error was met
};

// readSome(to, capacity) reads the next piece and returns its length, 0 at
// the end of the file or on an error. False when nothing more comes.
template <typename ReadSome>
bool RefillReadBuffer(ReadBuffer& buffer, ReadSome readSome) {
  if (buffer.ended) {
    return false;
  }
  const std::size_t count = readSome(buffer.bytes.data(), buffer.bytes.size());
  if (count == 0) {
    buffer.ended = true;
    return false;
  }
  buffer.next = 0;
  buffer.filled = count;
  return true;
}

// The next byte (0 to 255), or -1 when no byte is left.
template <typename ReadSome>
int NextBufferedByte(ReadBuffer& buffer, ReadSome readSome) {
  if (buffer.next == buffer.filled && !RefillReadBuffer(buffer, readSome)) {
    return -1;
  }
  return buffer.bytes[buffer.next++];
}

template <typename ReadSome>
bool ReadBufferAtEnd(ReadBuffer& buffer, ReadSome readSome) {
  return buffer.next == buffer.filled && !RefillReadBuffer(buffer, readSome);
}

}  // namespace platform
