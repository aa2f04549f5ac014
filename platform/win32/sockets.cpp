// IPv4 TCP client sockets over Winsock 1.1.
#include <climits>
#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

namespace platform {
namespace {

// WSAStartup counts its calls; the layer is started once and released once,
// however often a check asks for it.
bool socketsStarted = false;

SOCKET Native(Socket socket) { return static_cast<SOCKET>(socket); }

int ClampedCount(std::size_t count) {
  return count > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                   : static_cast<int>(count);
}

}  // namespace

bool StartSockets() {
  if (!socketsStarted) {
    WSADATA data;
    socketsStarted = WSAStartup(MAKEWORD(1, 1), &data) == 0;
  }
  return socketsStarted;
}

void EndSockets() {
  if (socketsStarted) {
    WSACleanup();
    socketsStarted = false;
  }
}

Socket OpenTcpSocket() {
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  return socket == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(socket);
}

bool ResolveIpv4Host(const std::string& host, std::uint32_t& address) {
  std::uint32_t found = inet_addr(host.c_str());
  if (found == INADDR_NONE) {
    const hostent* entry = gethostbyname(host.c_str());
    if (entry == nullptr || entry->h_addrtype != AF_INET ||
        entry->h_length != 4 || entry->h_addr_list[0] == nullptr) {
      return false;
    }
    // Kept in network byte order: the bytes as they stand.
    std::memcpy(&found, entry->h_addr_list[0], sizeof found);
  }
  if (found == INADDR_NONE) {
    return false;
  }
  address = found;
  return true;
}

bool ConnectSocket(Socket socket, std::uint32_t address, std::uint16_t port) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_addr.s_addr = address;
  peer.sin_port = htons(port);
  return connect(Native(socket), reinterpret_cast<const sockaddr*>(&peer),
                 sizeof peer) == 0;
}

long SendSomeBytes(Socket socket, const char* bytes, std::size_t count) {
  // Never blocks: a full send buffer counts as a failed try, which the caller
  // repeats until its own deadline.
  u_long nonBlocking = 1;
  ioctlsocket(Native(socket), FIONBIO, &nonBlocking);
  const int sent = send(Native(socket), bytes, ClampedCount(count), 0);
  nonBlocking = 0;
  ioctlsocket(Native(socket), FIONBIO, &nonBlocking);
  return sent == SOCKET_ERROR ? -1 : sent;
}

SocketWait WaitUntilReadable(Socket socket, int milliseconds) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Native(socket), &readable);
  timeval limit{};
  if (milliseconds > 0) {
    limit.tv_sec = milliseconds / 1000;
    limit.tv_usec = (milliseconds % 1000) * 1000;
  }
  // The first argument is ignored by Winsock.
  const int ready = select(0, &readable, nullptr, nullptr, &limit);
  if (ready == SOCKET_ERROR) {
    return SocketWait::kFailed;
  }
  return ready > 0 ? SocketWait::kReadable : SocketWait::kTimedOut;
}

long BytesAvailable(Socket socket) {
  u_long count = 0;
  if (ioctlsocket(Native(socket), FIONREAD, &count) == SOCKET_ERROR) {
    return -1;
  }
  return static_cast<long>(count);
}

long ReceiveSomeBytes(Socket socket, char* bytes, std::size_t count) {
  const int received = recv(Native(socket), bytes, ClampedCount(count), 0);
  return received == SOCKET_ERROR ? -1 : received;
}

void CloseSocket(Socket socket) {
  if (socket != kNoSocket) {
    closesocket(Native(socket));
  }
}

}  // namespace platform
