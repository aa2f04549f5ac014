// Decoding an answer body as it arrives, in pieces of any size: delimited by
// a content length, by the chunked transfer coding, or by the end of sending.
// Pure: works on bytes in memory only, and gives the same data and the same
// verdict however the stream is split into pieces.
//
//   BodyDecoder decoder = StartBody(mode, length);
//   while (decoder.verdict == BodyVerdict::kNeedMore && <a piece arrives>) {
//     while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore)
//       Write(TakeBodyBytes(decoder, piece));
//   }
//   then EndBodyStream(decoder) when the sender stopped before the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The most body bytes taken; a longer body fails.
inline constexpr std::int64_t kMostBodyBytes = 1'000'000'000;
// The longest chunk-size line (extensions included).
inline constexpr std::size_t kMostChunkLineBytes = 4096;

enum class BodyMode { kContentLength, kChunked, kUntilClose };
enum class BodyVerdict { kNeedMore, kComplete, kFailed };

struct BodyDecoder {
  enum class Expect {
    kData,        // data bytes: `missing` of the length or the chunk
    kSizeLine,    // a chunk-size line, up to its CR or LF
    kSizeLineLf,  // after the size line's CR: its LF, or data at once
    kDataEnd,     // the CR LF (or LF) after a chunk's data
    kDataEndLf,   // after that CR: its LF, or the next size line at once
  };
  BodyMode mode = BodyMode::kUntilClose;
  BodyVerdict verdict = BodyVerdict::kNeedMore;
  Expect expect = Expect::kData;
  std::int64_t missing = 0;      // data bytes still due in this chunk/length
  std::int64_t taken = 0;        // data bytes handed out so far
  std::int64_t chunkSize = 0;    // the size line's value so far
  bool sizeHasDigits = false;    // the size line began with a hex digit
  bool sizeDigitsEnded = false;  // a non-digit (an extension) came after them
  std::size_t sizeLineBytes = 0;
};

// A decoder for a body of the given mode; contentLength counts for
// kContentLength only. A length over kMostBodyBytes fails at once, a length
// of 0 is complete at once.
BodyDecoder StartBody(BodyMode mode, std::int64_t contentLength);

// Consumes framing and data from the front of piece and returns the next run
// of body data, a view into piece (empty when only framing was consumed).
// Consumes at least one byte while piece is not empty and the verdict is
// kNeedMore; consumes nothing once the body is complete or has failed, so
// bytes beyond the body's end stay in piece.
//
// A chunked body fails on a size line that does not start with a hex digit,
// one longer than kMostChunkLineBytes, chunk data not followed by CR LF or
// LF, or more than kMostBodyBytes in all; it is complete at the end of the
// size line of its size-0 chunk (the trailer is not read). A body delimited
// by the end of sending fails when it grows past kMostBodyBytes.
std::string_view TakeBodyBytes(BodyDecoder& decoder, std::string_view& piece);

// The sender stopped (closed the connection, or nothing came within the
// wait) while the verdict was kNeedMore: a body delimited by the end of
// sending is complete, any other body has failed.
void EndBodyStream(BodyDecoder& decoder);

// How many bytes the next read may usefully take, at most `block`: no more
// than the data still due, and 16 while framing is expected.
std::size_t BytesWanted(const BodyDecoder& decoder, std::size_t block);
