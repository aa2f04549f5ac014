#include "check/body_decoder.h"

#include <algorithm>

namespace {

// Reads for the line end after a chunk and the next size line are small.
constexpr std::size_t kFramingReadBytes = 16;

using Expect = BodyDecoder::Expect;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void Fail(BodyDecoder& decoder) { decoder.verdict = BodyVerdict::kFailed; }

// The size line has ended: either the last chunk, or data follows.
void EndSizeLine(BodyDecoder& decoder, Expect next) {
  if (!decoder.sizeHasDigits) {
    Fail(decoder);
  } else if (decoder.chunkSize == 0) {
    decoder.verdict = BodyVerdict::kComplete;
  } else {
    decoder.missing = decoder.chunkSize;
    decoder.expect = next;
  }
}

void StartSizeLine(BodyDecoder& decoder) {
  decoder.expect = Expect::kSizeLine;
  decoder.chunkSize = 0;
  decoder.sizeHasDigits = false;
  decoder.sizeDigitsEnded = false;
  decoder.sizeLineBytes = 0;
}

void TakeSizeLineByte(BodyDecoder& decoder, char c) {
  if (c == '\r') {
    EndSizeLine(decoder, Expect::kSizeLineLf);
    return;
  }
  if (c == '\n') {
    EndSizeLine(decoder, Expect::kData);
    return;
  }
  if (++decoder.sizeLineBytes > kMostChunkLineBytes) {
    Fail(decoder);
    return;
  }
  const int digit = decoder.sizeDigitsEnded ? -1 : HexDigitValue(c);
  if (digit < 0) {
    // Whatever follows the digits (an extension) is not looked at.
    decoder.sizeDigitsEnded = true;
    return;
  }
  decoder.sizeHasDigits = true;
  decoder.chunkSize = decoder.chunkSize * 16 + digit;
  if (decoder.taken + decoder.chunkSize > kMostBodyBytes) {
    Fail(decoder);
  }
}

// One byte of chunk framing.
void TakeFramingByte(BodyDecoder& decoder, char c) {
  switch (decoder.expect) {
    case Expect::kSizeLine:
      TakeSizeLineByte(decoder, c);
      return;
    case Expect::kSizeLineLf:
      // A lone CR ended the size line: this byte is data already. Only an
      // LF reaches here (see TakeBodyBytes).
      decoder.expect = Expect::kData;
      return;
    case Expect::kDataEnd:
      if (c == '\r') {
        decoder.expect = Expect::kDataEndLf;
      } else if (c == '\n') {
        StartSizeLine(decoder);
      } else {
        Fail(decoder);
      }
      return;
    case Expect::kDataEndLf:
      // Only an LF reaches here (see TakeBodyBytes).
      StartSizeLine(decoder);
      return;
    case Expect::kData:
      return;
  }
}

std::string_view TakeData(BodyDecoder& decoder, std::string_view& piece) {
  std::size_t count = piece.size();
  if (decoder.mode == BodyMode::kUntilClose) {
    if (decoder.taken + static_cast<std::int64_t>(count) > kMostBodyBytes) {
      Fail(decoder);
      return {};
    }
  } else {
    count = static_cast<std::size_t>(std::min<std::int64_t>(
        decoder.missing, static_cast<std::int64_t>(count)));
    decoder.missing -= static_cast<std::int64_t>(count);
  }
  decoder.taken += static_cast<std::int64_t>(count);
  const std::string_view data = piece.substr(0, count);
  piece.remove_prefix(count);
  if (decoder.mode != BodyMode::kUntilClose && decoder.missing == 0) {
    if (decoder.mode == BodyMode::kContentLength) {
      decoder.verdict = BodyVerdict::kComplete;
    } else {
      decoder.expect = Expect::kDataEnd;
    }
  }
  return data;
}

}  // namespace

BodyDecoder StartBody(BodyMode mode, std::int64_t contentLength) {
  BodyDecoder decoder;
  decoder.mode = mode;
  if (mode == BodyMode::kChunked) {
    StartSizeLine(decoder);
  } else if (mode == BodyMode::kContentLength) {
    decoder.missing = contentLength;
    if (contentLength < 0 || contentLength > kMostBodyBytes) {
      Fail(decoder);
    } else if (contentLength == 0) {
      decoder.verdict = BodyVerdict::kComplete;
    }
  }
  return decoder;
}

std::string_view TakeBodyBytes(BodyDecoder& decoder, std::string_view& piece) {
  while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
    // After a lone CR, a byte other than LF belongs to what follows.
    if (decoder.expect == Expect::kSizeLineLf && piece.front() != '\n') {
      decoder.expect = Expect::kData;
    } else if (decoder.expect == Expect::kDataEndLf && piece.front() != '\n') {
      StartSizeLine(decoder);
    }
    if (decoder.expect == Expect::kData) {
      return TakeData(decoder, piece);
    }
    TakeFramingByte(decoder, piece.front());
    piece.remove_prefix(1);
  }
  return {};
}

void EndBodyStream(BodyDecoder& decoder) {
  if (decoder.verdict != BodyVerdict::kNeedMore) {
    return;
  }
  decoder.verdict = decoder.mode == BodyMode::kUntilClose
                        ? BodyVerdict::kComplete
                        : BodyVerdict::kFailed;
}

std::size_t BytesWanted(const BodyDecoder& decoder, std::size_t block) {
  if (decoder.mode == BodyMode::kUntilClose) {
    return block;
  }
  if (decoder.expect != Expect::kData) {
    return std::min(block, kFramingReadBytes);
  }
  return static_cast<std::size_t>(std::min<std::int64_t>(
      decoder.missing, static_cast<std::int64_t>(block)));
}
