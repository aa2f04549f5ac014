#include "check/answer_head.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::size_t HeadEndOfWhole(std::string_view bytes, bool ended) {
  std::size_t resumeAt = 0;
  return FindAnswerHeadEnd(bytes, ended, resumeAt);
}

TEST(FindAnswerHeadEnd, EndsAfterTheFirstEmptyLine) {
  const struct {
    std::string bytes;
    bool ended;
    std::size_t length;
  } cases[] = {
      {"HTTP/1.1 200 OK\r\nA: b\r\n\r\nbody\r\n\r\n", false, 25},
      {"HTTP/1.1 200 OK\n\nbody", false, 17},
      {"HTTP/1.1 200 OK\r\rbody", false, 17},
      {"HTTP/1.1 200 OK\r\n\nbody", false, 18},
      {"HTTP/1.1 200 OK\r\nA: b\r\n", true, 0},
      // The LF of a final CR may still come, and would belong to the head.
      {"HTTP/1.1 200 OK\r\n\r", false, 0},
      {"HTTP/1.1 200 OK\r\n\r", true, 18},
      {"HTTP/1.1 200 OK\r", false, 0},
      // The first line is the status line even when it is empty.
      {"\r\n", true, 0},
      {"\r\n\r\n", false, 4},
      {"", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(HeadEndOfWhole(c.bytes, c.ended), c.length);
  }
}

TEST(FindAnswerHeadEnd, GivesTheSameEndHoweverTheBytesArrive) {
  const std::string answers[] = {
      "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nX: y\r\n\r\nabc",
      "HTTP/1.1 200 OK\nX: y\r\rabc\n\n",
      "HTTP/1.0 200 OK\r\r\n\r\n",
  };
  for (const std::string& answer : answers) {
    SCOPED_TRACE(answer);
    const std::size_t whole = HeadEndOfWhole(answer, false);
    ASSERT_GT(whole, 0u);
    // Grown one byte at a time, resuming where the last look stopped.
    std::size_t resumeAt = 0;
    std::size_t found = 0;
    for (std::size_t size = 1; size <= answer.size() && found == 0; ++size) {
      found = FindAnswerHeadEnd(std::string_view(answer).substr(0, size), false,
                                resumeAt);
    }
    EXPECT_EQ(found, whole);
  }
}

TEST(ReadAnswerHead, AcceptsOnlyStatus200And302) {
  const struct {
    const char* statusLine;
    bool accepted;
  } cases[] = {
      {"HTTP/1.1 200 OK", true},
      {"HTTP/1.0 200 OK", true},
      {"HTTP/1.1 302 Found", true},
      {"HTTP/1.1 200", true},
      {"HTTP/1.1 404 Not 200", false},
      {"HTTP/1.1 301 Moved Permanently", false},
      {"HTTP/1.1 2000 OK", false},
      {"HTTP/1.1 20", false},
      {"HTTP/1.1200 OK", false},
      {"200", false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.statusLine);
    EXPECT_EQ(ReadAnswerHead(std::string(c.statusLine) + "\r\n\r\n").accepted,
              c.accepted);
  }
}

TEST(ReadAnswerHead, ChoosesTheBodyMode) {
  const struct {
    const char* headerLines;
    bool accepted;
    BodyMode mode;
    std::int64_t length;
  } cases[] = {
      {"Content-Length: 5\r\n", true, BodyMode::kContentLength, 5},
      {"content-length:123\r\n", true, BodyMode::kContentLength, 123},
      {"CONTENT-LENGTH:\t 7 \t\r\n", true, BodyMode::kContentLength, 7},
      {"Content-Length: 0\r\n", true, BodyMode::kContentLength, 0},
      {"Content-Length: 999999999999999999\r\n", true, BodyMode::kContentLength,
       999999999999999999},
      {"Content-Length: 1\r\nContent-Length: 2\r\n", true,
       BodyMode::kContentLength, 2},
      {"Content-Length: 1\nX-Other: 9\n", true, BodyMode::kContentLength, 1},
      {"Transfer-Encoding: chunked\r\n", true, BodyMode::kChunked, 0},
      {"transfer-encoding: gzip, CHUNKED\r\n", true, BodyMode::kChunked, 0},
      {"Content-Length: 4\r\nTransfer-Encoding: Chunked\r\n", true,
       BodyMode::kChunked, 0},
      {"Transfer-Encoding: gzip\r\n", true, BodyMode::kUntilClose, 0},
      {"X-Content-Length: 4\r\n Content-Length: 4\r\n", true,
       BodyMode::kUntilClose, 0},
      {"Content-Length : 4\r\n", true, BodyMode::kUntilClose, 0},
      {"", true, BodyMode::kUntilClose, 0},
      // Values that are not a plain decimal number refuse the answer.
      {"Content-Length:\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: -5\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: +5\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: 12abc\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: 1 2\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: 0x10\r\n", false, BodyMode::kUntilClose, 0},
      {"Content-Length: 1234567890123456789\r\n", false, BodyMode::kUntilClose,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.headerLines);
    const AnswerHead head = ReadAnswerHead(std::string("HTTP/1.1 200 OK\r\n") +
                                           c.headerLines + "\r\n");
    EXPECT_EQ(head.accepted, c.accepted);
    if (!c.accepted) continue;
    EXPECT_EQ(head.bodyMode, c.mode);
    if (c.mode == BodyMode::kContentLength) {
      EXPECT_EQ(head.contentLength, c.length);
    }
  }
}

}  // namespace
