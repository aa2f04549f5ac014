// The head of a server's answer: finding where it ends in the bytes that have
// arrived, and reading its status line and header lines. Pure: works on bytes
// in memory only.
//
// Head lines end at CR, CR LF or a bare LF. The first line is the status
// line; the head ends with the first empty line after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "check/body_decoder.h"

// The longest head that is read.
inline constexpr std::size_t kMostHeadBytes = 64 * 1024;

// Looks for the end of the head in bytes, which hold the answer from its
// first byte. resumeAt is where the look begins: 0 at first, then what the
// previous call left there, as long as bytes have only grown since. Returns
// the head's length up to and including its empty line's end, or 0 when
// bytes hold no whole head yet. ended says that no more bytes will come
// (it decides whether a CR at the very end may still be followed by its LF).
std::size_t FindAnswerHeadEnd(std::string_view bytes, bool ended,
                              std::size_t& resumeAt);

struct AnswerHead {
  // The status code (the three characters after the status line's first
  // blank) is 200 or 302, and every content-length value is readable.
  bool accepted = false;
  BodyMode bodyMode = BodyMode::kUntilClose;
  std::int64_t contentLength = 0;  // meaningful for kContentLength only
};

// Reads a whole head as FindAnswerHeadEnd delimited it. Header names count
// at the very start of a line, directly followed by their colon, in any
// letter case. "chunked" anywhere in a transfer-encoding value (any case)
// makes the body chunked, and that wins over a content length. A
// content-length value is blanks or tabs, 1 to 18 decimal digits, blanks or
// tabs; anything else refuses the answer. The last content-length line counts.
AnswerHead ReadAnswerHead(std::string_view head);
