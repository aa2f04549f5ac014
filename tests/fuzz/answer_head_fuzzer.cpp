// The answer head over any bytes, arriving in any pieces: finding its end
// piece by piece gives the same end as looking at all bytes at once, the end
// lies on a line end inside the bytes, reading the head needs no heap, and
// an accepted head names a body that can be delimited.
#include <cstdint>
#include <string>
#include <vector>

#include "check/answer_head.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/hardening/allocation_meter.h"

namespace {

constexpr std::int64_t kMostContentLength = 999'999'999'999'999'999;

// Looks for the end as the download does: after each piece, on all bytes
// so far, with no more to come only after the last. 0 when there is none.
std::size_t EndFoundPieceByPiece(const std::vector<std::string_view>& pieces) {
  std::string arrived;
  std::size_t resumeAt = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    arrived.append(pieces[i]);
    const bool ended = i + 1 == pieces.size();
    const std::size_t end = FindAnswerHeadEnd(arrived, ended, resumeAt);
    FUZZ_REQUIRE(resumeAt <= arrived.size());
    if (end != 0) {
      return end;
    }
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::string bytes;
  const std::vector<std::string_view> pieces =
      TakeTextInPieces(input, 32, bytes);

  std::size_t resumeAt = 0;
  StartAllocationMeter();
  const std::size_t end = FindAnswerHeadEnd(bytes, true, resumeAt);
  FUZZ_REQUIRE(StopAllocationMeter() == 0);
  FUZZ_REQUIRE(EndFoundPieceByPiece(pieces) == end);
  if (end == 0) {
    return 0;
  }
  FUZZ_REQUIRE(end <= bytes.size());
  FUZZ_REQUIRE(bytes[end - 1] == '\n' || bytes[end - 1] == '\r');

  const std::string_view head = std::string_view(bytes).substr(0, end);
  StartAllocationMeter();
  const AnswerHead answer = ReadAnswerHead(head);
  FUZZ_REQUIRE(StopAllocationMeter() == 0);
  if (!answer.accepted) {
    return 0;
  }
  // The status code is the three characters after the first blank.
  const std::size_t blank = head.find(' ');
  FUZZ_REQUIRE(blank != std::string_view::npos);
  const std::string_view code = head.substr(blank + 1, 3);
  FUZZ_REQUIRE(code == "200" || code == "302");
  if (answer.bodyMode == BodyMode::kContentLength) {
    FUZZ_REQUIRE(answer.contentLength >= 0 &&
                 answer.contentLength <= kMostContentLength);
  }
  // A header line of no meaning after the status line changes nothing.
  std::size_t afterStatus = head.find_first_of("\r\n") + 1;
  if (head[afterStatus - 1] == '\r' && head[afterStatus] == '\n') {
    ++afterStatus;
  }
  std::string longer(head);
  longer.insert(afterStatus, "X-Other: 1\r\n");
  const AnswerHead again = ReadAnswerHead(longer);
  FUZZ_REQUIRE(again.accepted && again.bodyMode == answer.bodyMode &&
               again.contentLength == answer.contentLength);
  return 0;
}
