#include "check/body_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Decoded {
  std::string data;
  BodyVerdict verdict;
  bool operator==(const Decoded&) const = default;
};

// Feeds stream in the given pieces, then, if the body still needs more,
// ends the stream.
Decoded Decode(BodyMode mode, std::int64_t length,
               const std::vector<std::string_view>& pieces) {
  BodyDecoder decoder = StartBody(mode, length);
  Decoded decoded;
  for (std::string_view piece : pieces) {
    while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
      const std::size_t before = piece.size();
      decoded.data += TakeBodyBytes(decoder, piece);
      EXPECT_LT(piece.size(), before) << "no progress";
    }
  }
  EndBodyStream(decoder);
  decoded.verdict = decoder.verdict;
  return decoded;
}

struct DecodeCase {
  const char* name;
  BodyMode mode;
  std::int64_t length;
  std::string stream;
  std::string data;
  BodyVerdict verdict;
};

const BodyVerdict kComplete = BodyVerdict::kComplete;
const BodyVerdict kFailed = BodyVerdict::kFailed;

std::vector<DecodeCase> Cases() {
  return {
      {"length stops at its end", BodyMode::kContentLength, 5, "hello world",
       "hello", kComplete},
      {"length zero", BodyMode::kContentLength, 0, "extra", "", kComplete},
      {"length short", BodyMode::kContentLength, 10, "abc", "abc", kFailed},
      {"until close", BodyMode::kUntilClose, 0, "any\r\n0\r\n", "any\r\n0\r\n",
       kComplete},
      {"until close empty", BodyMode::kUntilClose, 0, "", "", kComplete},
      {"chunks with extension", BodyMode::kChunked, 0,
       "5\r\nhello\r\n6;name=\"x\"\r\n world\r\n0\r\nTrailer: t\r\n\r\n",
       "hello world", kComplete},
      {"chunks hex in any case", BodyMode::kChunked, 0,
       "A\r\n0123456789\r\nb\r\nabcdefghijk\r\n0\r\n", "0123456789abcdefghijk",
       kComplete},
      {"chunks with bare LF", BodyMode::kChunked, 0, "3\nabc\n0\n", "abc",
       kComplete},
      {"chunk lines ended by a lone CR", BodyMode::kChunked, 0,
       "3\rabc\r3\r\ndef\r\n0\r", "abcdef", kComplete},
      {"chunks with leading zeros", BodyMode::kChunked, 0,
       "0003\r\nabc\r\n000\r\n", "abc", kComplete},
      {"chunk data holding CR LF", BodyMode::kChunked, 0,
       "4\r\n\r\n\r\n\r\n0\r\n", "\r\n\r\n", kComplete},
      {"last chunk missing", BodyMode::kChunked, 0, "3\r\nabc\r\n", "abc",
       kFailed},
      {"last chunk line unended", BodyMode::kChunked, 0, "3\r\nabc\r\n0", "abc",
       kFailed},
      {"chunk cut short", BodyMode::kChunked, 0, "9\r\nabc", "abc", kFailed},
      {"non-hex size", BodyMode::kChunked, 0, "zz\r\nabc\r\n0\r\n", "",
       kFailed},
      {"negative size", BodyMode::kChunked, 0, "-3\r\nabc\r\n0\r\n", "",
       kFailed},
      {"empty size line", BodyMode::kChunked, 0, "\r\n", "", kFailed},
      {"data longer than its size", BodyMode::kChunked, 0, "3\r\nabcd\r\n0\r\n",
       "abc", kFailed},
      {"huge size", BodyMode::kChunked, 0, "ffffffffffffffff\r\n", "", kFailed},
      {"size just over the limit", BodyMode::kChunked, 0, "3B9ACA01\r\n", "",
       kFailed},
      {"size line without end", BodyMode::kChunked, 0,
       "1;" + std::string(kMostChunkLineBytes, 'x'), "", kFailed},
      {"length over the limit", BodyMode::kContentLength, kMostBodyBytes + 1,
       "abc", "", kFailed},
  };
}

TEST(BodyDecoder, DecodesEachModeWhole) {
  for (const DecodeCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decode(c.mode, c.length, {c.stream}),
              (Decoded{c.data, c.verdict}));
  }
}

TEST(BodyDecoder, GivesTheSameResultInAnySplit) {
  for (const DecodeCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const Decoded whole{c.data, c.verdict};
    const std::string_view s = c.stream;
    if (s.size() > 200) continue;  // the long line is covered whole
    std::vector<std::string_view> bytes;
    for (std::size_t i = 0; i < s.size(); ++i) bytes.push_back(s.substr(i, 1));
    EXPECT_EQ(Decode(c.mode, c.length, bytes), whole) << "byte by byte";
    for (std::size_t i = 0; i <= s.size(); ++i) {
      for (std::size_t j = i; j <= s.size(); ++j) {
        EXPECT_EQ(Decode(c.mode, c.length,
                         {s.substr(0, i), s.substr(i, j - i), s.substr(j)}),
                  whole)
            << "cut at " << i << " and " << j;
      }
    }
  }
}

TEST(BodyDecoder, LeavesBytesAfterTheBodyUntaken) {
  BodyDecoder decoder = StartBody(BodyMode::kChunked, 0);
  std::string_view piece = "2\r\nab\r\n0\r\nnext";
  std::string data;
  while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
    data += TakeBodyBytes(decoder, piece);
  }
  EXPECT_EQ(data, "ab");
  EXPECT_EQ(decoder.verdict, BodyVerdict::kComplete);
  // The final CR ends the body; its LF and what follows are not taken.
  EXPECT_EQ(piece, "\nnext");
}

TEST(BodyDecoder, UntilCloseFailsPastTheLimit) {
  const std::string megabyte(1 << 20, 'x');
  BodyDecoder decoder = StartBody(BodyMode::kUntilClose, 0);
  std::int64_t taken = 0;
  while (taken + static_cast<std::int64_t>(megabyte.size()) <= kMostBodyBytes) {
    std::string_view piece = megabyte;
    taken += static_cast<std::int64_t>(TakeBodyBytes(decoder, piece).size());
  }
  std::string_view rest(megabyte.data(),
                        static_cast<std::size_t>(kMostBodyBytes - taken));
  TakeBodyBytes(decoder, rest);
  ASSERT_EQ(decoder.verdict, BodyVerdict::kNeedMore) << "exactly the limit";
  std::string_view oneMore = "y";
  TakeBodyBytes(decoder, oneMore);
  EXPECT_EQ(decoder.verdict, BodyVerdict::kFailed);
}

TEST(BodyDecoder, WantsNoMoreThanIsDue) {
  EXPECT_EQ(BytesWanted(StartBody(BodyMode::kContentLength, 5000), 2048),
            2048u);
  EXPECT_EQ(BytesWanted(StartBody(BodyMode::kContentLength, 100), 2048), 100u);
  EXPECT_EQ(BytesWanted(StartBody(BodyMode::kUntilClose, 0), 2048), 2048u);
  BodyDecoder chunked = StartBody(BodyMode::kChunked, 0);
  EXPECT_EQ(BytesWanted(chunked, 2048), 16u);
  std::string_view piece = "1000\r\n";
  TakeBodyBytes(chunked, piece);
  EXPECT_EQ(BytesWanted(chunked, 2048), 2048u);
}

}  // namespace
