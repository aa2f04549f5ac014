// One TCP connection of a download, with its waits: connecting, sending the
// request, and reading what arrives within a deadline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "check/url_parts.h"
#include "platform/platform.h"

// Every wait of a download: sending, the head, each body read.
inline constexpr int kWaitSeconds = 10;

// A connected socket to the URL's host and port, or kNoSocket.
platform::Socket ConnectTo(const UrlParts& parts);

// Sends all of request; a failed try is repeated after a short pause. False
// when it has not all gone out within kWaitSeconds.
bool SendRequest(platform::Socket socket, std::string_view request);

// A deadline kWaitSeconds whole seconds of the monotonic clock from now.
std::int64_t WaitDeadline();

enum class ReadEnd { kBytes, kClosed, kTimedOut, kFailed };
struct ReadResult {
  ReadEnd end;
  std::size_t count;  // bytes received, for kBytes
};

// Takes at most `most` bytes as soon as any have arrived. Gives up once the
// clock's seconds reach deadline (kTimedOut), even while bytes keep coming,
// so that one deadline can bound several reads. kClosed:
// the server closed the connection; kFailed: it was reset or broke.
ReadResult ReadSome(platform::Socket socket, char* buffer, std::size_t most,
                    std::int64_t deadline);
