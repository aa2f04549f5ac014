// The body decoder over any bytes in any pieces: the same data and the same
// verdict however the bytes are split, progress on every call, no heap, and
// never a byte beyond a content length. A chunked body built from known
// chunks decodes to exactly their data: no framing ever reaches the output.
#include <cstdint>
#include <string>
#include <vector>

#include "check/body_decoder.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/hardening/allocation_meter.h"

namespace {

constexpr std::size_t kReadBlock = 2048;

struct Decoded {
  std::string data;
  BodyVerdict verdict = BodyVerdict::kNeedMore;  // after the stream ended
  std::size_t consumed = 0;  // input bytes taken before the verdict came
};

// Feeds each piece until it is used up or the body has its verdict, then
// ends the stream.
Decoded Decode(BodyMode mode, std::int64_t length,
               const std::vector<std::string_view>& pieces) {
  Decoded decoded;
  BodyDecoder decoder = StartBody(mode, length);
  for (std::string_view piece : pieces) {
    while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
      const std::size_t before = piece.size();
      StartAllocationMeter();
      const std::string_view data = TakeBodyBytes(decoder, piece);
      FUZZ_REQUIRE(StopAllocationMeter() == 0);
      FUZZ_REQUIRE(piece.size() < before);  // progress, or the read spins
      // The data is a run of what the piece held, just before what is left.
      FUZZ_REQUIRE(data.data() + data.size() <= piece.data());
      decoded.consumed += before - piece.size();
      decoded.data.append(data);
    }
  }
  EndBodyStream(decoder);
  FUZZ_REQUIRE(decoder.verdict != BodyVerdict::kNeedMore);
  FUZZ_REQUIRE(decoder.taken == static_cast<std::int64_t>(decoded.data.size()));
  FUZZ_REQUIRE(decoder.taken <= kMostBodyBytes);
  decoded.verdict = decoder.verdict;
  return decoded;
}

// Reads as the download does: never more than the decoder wants, so that
// nothing past a content length is ever read off the connection.
Decoded DecodeAsRead(BodyMode mode, std::int64_t length,
                     std::string_view bytes) {
  Decoded decoded;
  BodyDecoder decoder = StartBody(mode, length);
  while (!bytes.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
    const std::size_t wanted = BytesWanted(decoder, kReadBlock);
    FUZZ_REQUIRE(wanted >= 1 && wanted <= kReadBlock);
    std::string_view piece = bytes.substr(0, wanted);
    bytes.remove_prefix(piece.size());
    while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
      const std::size_t before = piece.size();
      decoded.data.append(TakeBodyBytes(decoder, piece));
      decoded.consumed += before - piece.size();
    }
    if (mode == BodyMode::kContentLength) {
      FUZZ_REQUIRE(piece.empty());
    }
  }
  EndBodyStream(decoder);
  decoded.verdict = decoder.verdict;
  return decoded;
}

void CheckSplitsAgree(BodyMode mode, std::int64_t length,
                      std::string_view bytes,
                      const std::vector<std::string_view>& pieces) {
  const Decoded whole = Decode(mode, length, {bytes});
  const Decoded split = Decode(mode, length, pieces);
  FUZZ_REQUIRE(split.data == whole.data);
  FUZZ_REQUIRE(split.verdict == whole.verdict);
  FUZZ_REQUIRE(split.consumed == whole.consumed);

  const Decoded read = DecodeAsRead(mode, length, bytes);
  FUZZ_REQUIRE(read.data == whole.data);
  FUZZ_REQUIRE(read.verdict == whole.verdict);

  switch (mode) {
    case BodyMode::kContentLength:
      FUZZ_REQUIRE(bytes.substr(0, whole.data.size()) == whole.data);
      FUZZ_REQUIRE((whole.verdict == BodyVerdict::kComplete) ==
                   (length >= 0 && length <= kMostBodyBytes &&
                    static_cast<std::int64_t>(whole.data.size()) == length));
      break;
    case BodyMode::kUntilClose:
      FUZZ_REQUIRE(whole.data == bytes);
      FUZZ_REQUIRE(whole.verdict == BodyVerdict::kComplete);
      break;
    case BodyMode::kChunked:
      FUZZ_REQUIRE(whole.data.size() <= bytes.size());
      break;
  }
}

// A chunked body made of known chunks, with the framing real servers send:
// CR LF or bare LF line ends, extensions, a trailer, and bytes after it.
struct BuiltBody {
  std::string bytes;
  std::string data;
  // Just past the first byte that ends the size-0 line: the body is complete
  // there, so an LF after a CR stays unread with the trailer.
  std::size_t end = 0;
};

BuiltBody BuildChunkedBody(FuzzedDataProvider& input) {
  BuiltBody body;
  const auto lineEnd = [&input] { return input.ConsumeBool() ? "\r\n" : "\n"; };
  const auto sizeLine = [&](std::size_t size) {
    static const char* const kStyles[] = {"%zx", "%zX", "%08zx", "%zx;a=b",
                                          "%zx ; name=\"v\""};
    char line[64];
    std::snprintf(line, sizeof line,
                  kStyles[input.ConsumeIntegralInRange<int>(0, 4)], size);
    return std::string(line) + lineEnd();
  };
  const int chunks = input.ConsumeIntegralInRange<int>(0, 8);
  for (int i = 0; i < chunks; ++i) {
    std::string data = input.ConsumeRandomLengthString(600);
    if (data.empty()) {
      data = "\r\n0\r\n";  // framing-like data must pass through as data
    }
    body.bytes += sizeLine(data.size()) + data + lineEnd();
    body.data += data;
  }
  const std::string lastLine = sizeLine(0);
  body.end = body.bytes.size() + lastLine.find_first_of("\r\n") + 1;
  body.bytes += lastLine;
  if (input.ConsumeBool()) {
    body.bytes += "Trailer: x\r\n\r\n";
  }
  body.bytes += input.ConsumeRandomLengthString(64);
  return body;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int scene = input.ConsumeIntegralInRange<int>(0, 3);
  if (scene == 3) {
    const BuiltBody body = BuildChunkedBody(input);
    const std::vector<std::string_view> pieces =
        Pieces(body.bytes, TakeCuts(input, 16));
    const Decoded decoded = Decode(BodyMode::kChunked, 0, pieces);
    FUZZ_REQUIRE(decoded.verdict == BodyVerdict::kComplete);
    FUZZ_REQUIRE(decoded.data == body.data);
    FUZZ_REQUIRE(decoded.consumed == body.end);
    CheckSplitsAgree(BodyMode::kChunked, 0, body.bytes, pieces);
    return 0;
  }

  const auto mode = static_cast<BodyMode>(scene);
  std::int64_t length = input.ConsumeIntegral<std::int64_t>();
  if (input.ConsumeBool()) {
    length = input.ConsumeIntegralInRange<std::int64_t>(0, 5000);
  }
  std::string bytes;
  const std::vector<std::string_view> pieces =
      TakeTextInPieces(input, 32, bytes);
  CheckSplitsAgree(mode, length, bytes, pieces);
  return 0;
}
