#include "check/http_fetch.h"

#include <array>
#include <string>
#include <string_view>

#include "check/answer_head.h"
#include "check/body_decoder.h"
#include "check/connection.h"
#include "check/unique_file.h"
#include "check/url_parts.h"
#include "platform/platform.h"

namespace {

// Every read takes at most this many bytes.
constexpr std::size_t kReadBlockBytes = 2048;
// Body bytes are gathered into writes of up to this many: a write per read
// would cost more than the read itself.
constexpr std::size_t kWriteBlockBytes = 64 * 1024;

bool networkStarted = false;

// Reads until the answer head is whole, within one wait, into bytes. The
// head's length, or 0 when it did not come whole (or grew too long).
std::size_t ReadAnswerHeadBytes(platform::Socket socket, std::string& bytes) {
  const std::int64_t deadline = WaitDeadline();
  std::array<char, kReadBlockBytes> block;
  std::size_t resumeAt = 0;
  while (bytes.size() < kMostHeadBytes) {
    const ReadResult read =
        ReadSome(socket, block.data(), block.size(), deadline);
    if (read.end != ReadEnd::kBytes) {
      return FindAnswerHeadEnd(bytes, true, resumeAt);
    }
    bytes.append(block.data(), read.count);
    const std::size_t length = FindAnswerHeadEnd(bytes, false, resumeAt);
    if (length > 0) {
      return length <= kMostHeadBytes ? length : 0;
    }
  }
  return 0;
}

// The output file with the body bytes not yet written to it.
struct BodyFile {
  platform::File* file;
  std::string pending;
};

bool FlushBodyFile(BodyFile& body) {
  const bool written = platform::WriteFileBytes(body.file, body.pending.data(),
                                                body.pending.size());
  body.pending.clear();
  return written;
}

// Decodes piece into the file. False when a write failed.
bool WriteBodyPiece(BodyDecoder& decoder, std::string_view piece,
                    BodyFile& body) {
  while (!piece.empty() && decoder.verdict == BodyVerdict::kNeedMore) {
    body.pending += TakeBodyBytes(decoder, piece);
    if (body.pending.size() >= kWriteBlockBytes && !FlushBodyFile(body)) {
      return false;
    }
  }
  return true;
}

// Takes the body, starting with the bytes that came with the head, into
// the file. True when the body came whole and all of it was written.
bool ReceiveBody(platform::Socket socket, BodyDecoder& decoder,
                 std::string_view firstBytes, platform::File* file) {
  BodyFile body{file, {}};
  body.pending.reserve(kWriteBlockBytes + kReadBlockBytes);
  if (!WriteBodyPiece(decoder, firstBytes, body)) {
    return false;
  }
  std::array<char, kReadBlockBytes> block;
  while (decoder.verdict == BodyVerdict::kNeedMore) {
    const ReadResult read =
        ReadSome(socket, block.data(), BytesWanted(decoder, block.size()),
                 WaitDeadline());
    switch (read.end) {
      case ReadEnd::kBytes:
        if (!WriteBodyPiece(decoder, {block.data(), read.count}, body)) {
          return false;
        }
        break;
      case ReadEnd::kClosed:
      case ReadEnd::kTimedOut:
        EndBodyStream(decoder);
        break;
      case ReadEnd::kFailed:
        // A reset connection cuts the body off: it is not known to be whole.
        return false;
    }
  }
  return decoder.verdict == BodyVerdict::kComplete && FlushBodyFile(body);
}

// Everything after the connection is made: request, head, body, file.
int FetchOverConnection(platform::Socket socket, const UrlParts& parts,
                        const std::string& filePath) {
  if (!SendRequest(socket, RequestBytes(parts))) {
    return 0;
  }
  // Room for the longest head and the read that completes it, taken once:
  // grown step by step, the string would come to hold twice the limit.
  std::string answer;
  answer.reserve(kMostHeadBytes + kReadBlockBytes);
  const std::size_t headLength = ReadAnswerHeadBytes(socket, answer);
  if (headLength == 0) {
    return 0;
  }
  const std::string_view head = std::string_view(answer).substr(0, headLength);
  const AnswerHead answerHead = ReadAnswerHead(head);
  if (!answerHead.accepted) {
    return 0;
  }
  BodyDecoder decoder =
      StartBody(answerHead.bodyMode, answerHead.contentLength);
  if (decoder.verdict == BodyVerdict::kFailed) {
    return 0;
  }

  // The body goes into a file of its own beside the target and takes the
  // target's place only once it is whole: a failed download leaves the
  // target as it was.
  std::string partPath;
  platform::File* file = CreateUniqueFile(filePath + ".", ".part", partPath);
  if (file == nullptr) {
    return 0;
  }
  const bool whole = ReceiveBody(
      socket, decoder, std::string_view(answer).substr(headLength), file);
  platform::CloseFile(file);
  if (whole && platform::MoveFileIntoPlace(partPath, filePath)) {
    return 1;
  }
  platform::DeleteFileAt(partPath);
  return 0;
}

}  // namespace

int StartNetwork() {
  // Started once and kept until EndNetwork: each further start would need
  // its own release.
  if (!networkStarted) {
    networkStarted = platform::StartSockets();
  }
  return networkStarted ? 1 : 0;
}

void EndNetwork() {
  if (networkStarted) {
    platform::EndSockets();
    networkStarted = false;
  }
}

int FetchHttpFile(const char* url, const char* filePath) {
  UrlParts parts;
  if (url == nullptr || filePath == nullptr || !SplitUrl(url, parts)) {
    return 0;
  }
  const platform::Socket socket = ConnectTo(parts);
  if (socket == platform::kNoSocket) {
    return 0;
  }
  const int result = FetchOverConnection(socket, parts, filePath);
  platform::CloseSocket(socket);
  return result;
}
