#include "check/answer_head.h"

#include <optional>

namespace {

constexpr std::string_view kContentLength = "content-length:";
constexpr std::string_view kTransferEncoding = "transfer-encoding:";
constexpr std::size_t kMostLengthDigits = 18;

char LowerCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) {
    return false;
  }
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (LowerCase(text[i]) != LowerCase(start[i])) {
      return false;
    }
  }
  return true;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (StartsWithIgnoringCase(text.substr(at), part)) {
      return true;
    }
  }
  return false;
}

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code is exactly three characters: a fourth digit makes it another one.
bool StatusAccepted(std::string_view statusLine) {
  const std::size_t blank = statusLine.find(' ');
  if (blank == std::string_view::npos) {
    return false;
  }
  const std::string_view rest = statusLine.substr(blank + 1);
  if (rest.size() < 3 || (rest.size() > 3 && IsDigit(rest[3]))) {
    return false;
  }
  const std::string_view code = rest.substr(0, 3);
  return code == "200" || code == "302";
}

std::optional<std::int64_t> ContentLengthValue(std::string_view value) {
  std::size_t at = 0;
  while (at < value.size() && IsBlankOrTab(value[at])) {
    ++at;
  }
  const std::size_t digitsStart = at;
  std::int64_t length = 0;
  while (at < value.size() && IsDigit(value[at])) {
    if (at - digitsStart == kMostLengthDigits) {
      return std::nullopt;
    }
    length = length * 10 + (value[at] - '0');
    ++at;
  }
  if (at == digitsStart) {
    return std::nullopt;
  }
  while (at < value.size() && IsBlankOrTab(value[at])) {
    ++at;
  }
  if (at != value.size()) {
    return std::nullopt;
  }
  return length;
}

// Takes the next line off the front of head (its line end dropped).
std::string_view TakeLine(std::string_view& head) {
  const std::size_t end = head.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    const std::string_view line = head;
    head = {};
    return line;
  }
  const std::string_view line = head.substr(0, end);
  std::size_t next = end + 1;
  if (head[end] == '\r' && next < head.size() && head[next] == '\n') {
    ++next;
  }
  head.remove_prefix(next);
  return line;
}

}  // namespace

std::size_t FindAnswerHeadEnd(std::string_view bytes, bool ended,
                              std::size_t& resumeAt) {
  std::size_t lineStart = resumeAt;
  while (true) {
    const std::size_t end = bytes.find_first_of("\r\n", lineStart);
    if (end == std::string_view::npos) {
      resumeAt = lineStart;
      return 0;
    }
    std::size_t next = end + 1;
    if (bytes[end] == '\r') {
      if (next == bytes.size() && !ended) {
        // Its LF may be on the way; look at this line again then.
        resumeAt = lineStart;
        return 0;
      }
      if (next < bytes.size() && bytes[next] == '\n') {
        ++next;
      }
    }
    // An empty status line does not end the head: the status line is line 0.
    if (end == lineStart && lineStart > 0) {
      resumeAt = next;
      return next;
    }
    lineStart = next;
  }
}

AnswerHead ReadAnswerHead(std::string_view head) {
  AnswerHead answer;
  answer.accepted = StatusAccepted(TakeLine(head));
  bool chunked = false;
  bool hasLength = false;
  while (!head.empty()) {
    const std::string_view line = TakeLine(head);
    if (StartsWithIgnoringCase(line, kTransferEncoding)) {
      chunked =
          chunked || ContainsIgnoringCase(line.substr(kTransferEncoding.size()),
                                          "chunked");
    } else if (StartsWithIgnoringCase(line, kContentLength)) {
      const std::optional<std::int64_t> length =
          ContentLengthValue(line.substr(kContentLength.size()));
      if (!length) {
        answer.accepted = false;
      } else {
        hasLength = true;
        answer.contentLength = *length;
      }
    }
  }
  if (chunked) {
    answer.bodyMode = BodyMode::kChunked;
  } else if (hasLength) {
    answer.bodyMode = BodyMode::kContentLength;
  }
  return answer;
}
