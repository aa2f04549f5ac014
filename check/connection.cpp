#include "check/connection.h"

namespace {

constexpr int kSendRetryPauseMilliseconds = 50;
// The longest single wait between two looks for arrived bytes; the wait ends
// early as soon as bytes arrive or the connection closes.
constexpr int kLookMilliseconds = 100;

bool DeadlinePassed(std::int64_t deadline) {
  return platform::MonotonicSeconds() >= deadline;
}

ReadResult Receive(platform::Socket socket, char* buffer, std::size_t most) {
  const long received = platform::ReceiveSomeBytes(socket, buffer, most);
  if (received > 0) {
    return {ReadEnd::kBytes, static_cast<std::size_t>(received)};
  }
  return {received == 0 ? ReadEnd::kClosed : ReadEnd::kFailed, 0};
}

}  // namespace

platform::Socket ConnectTo(const UrlParts& parts) {
  const platform::Socket socket = platform::OpenTcpSocket();
  if (socket == platform::kNoSocket) {
    return platform::kNoSocket;
  }
  std::uint32_t address = 0;
  if (!platform::ResolveIpv4Host(parts.host, address) ||
      !platform::ConnectSocket(socket, address, parts.port)) {
    platform::CloseSocket(socket);
    return platform::kNoSocket;
  }
  return socket;
}

std::int64_t WaitDeadline() {
  return platform::MonotonicSeconds() + kWaitSeconds;
}

bool SendRequest(platform::Socket socket, std::string_view request) {
  const std::int64_t deadline = WaitDeadline();
  while (!request.empty()) {
    const long sent =
        platform::SendSomeBytes(socket, request.data(), request.size());
    if (sent > 0) {
      request.remove_prefix(static_cast<std::size_t>(sent));
      continue;
    }
    if (DeadlinePassed(deadline)) {
      return false;
    }
    platform::SleepMilliseconds(kSendRetryPauseMilliseconds);
  }
  return true;
}

ReadResult ReadSome(platform::Socket socket, char* buffer, std::size_t most,
                    std::int64_t deadline) {
  while (true) {
    if (DeadlinePassed(deadline)) {
      return {ReadEnd::kTimedOut, 0};
    }
    const long available = platform::BytesAvailable(socket);
    if (available < 0) {
      return {ReadEnd::kFailed, 0};
    }
    if (available > 0) {
      return Receive(socket, buffer, most);
    }
    switch (platform::WaitUntilReadable(socket, kLookMilliseconds)) {
      case platform::SocketWait::kReadable:
        // Bytes, or the end of the connection: the receive tells which.
        return Receive(socket, buffer, most);
      case platform::SocketWait::kFailed:
        return {ReadEnd::kFailed, 0};
      case platform::SocketWait::kTimedOut:
        break;
    }
  }
}
