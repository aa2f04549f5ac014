// IPv4 TCP client sockets over the BSD socket calls.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/platform.h"

namespace platform {
namespace {

int Descriptor(Socket socket) { return static_cast<int>(socket); }

}  // namespace

// Nothing to start or end: the socket calls are always there.
bool StartSockets() { return true; }
void EndSockets() {}

Socket OpenTcpSocket() {
  const int descriptor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return descriptor < 0 ? kNoSocket : descriptor;
}

bool ResolveIpv4Host(const std::string& host, std::uint32_t& address) {
  const in_addr_t dotted = inet_addr(host.c_str());
  if (dotted != INADDR_NONE) {
    address = dotted;
    return true;
  }
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 ||
      found == nullptr) {
    return false;
  }
  address =
      reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
  freeaddrinfo(found);
  return address != INADDR_NONE;
}

bool ConnectSocket(Socket socket, std::uint32_t address, std::uint16_t port) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_addr.s_addr = address;
  peer.sin_port = htons(port);
  int result;
  do {
    result = connect(Descriptor(socket), reinterpret_cast<sockaddr*>(&peer),
                     sizeof peer);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

long SendSomeBytes(Socket socket, const char* bytes, std::size_t count) {
  // Never blocks: a full send buffer counts as a failed try, which the caller
  // repeats until its own deadline. A closed peer gives an error, not SIGPIPE.
  const ssize_t sent =
      send(Descriptor(socket), bytes, count, MSG_NOSIGNAL | MSG_DONTWAIT);
  return sent < 0 ? -1 : static_cast<long>(sent);
}

SocketWait WaitUntilReadable(Socket socket, int milliseconds) {
  pollfd watched{};
  watched.fd = Descriptor(socket);
  watched.events = POLLIN;
  const int ready = poll(&watched, 1, milliseconds);
  if (ready > 0) {
    // A closed or reset connection shows as readable: the receive that
    // follows reports it at once.
    return SocketWait::kReadable;
  }
  if (ready == 0 || errno == EINTR) {
    return SocketWait::kTimedOut;
  }
  return SocketWait::kFailed;
}

long BytesAvailable(Socket socket) {
  int count = 0;
  if (ioctl(Descriptor(socket), FIONREAD, &count) != 0) {
    return -1;
  }
  return count;
}

long ReceiveSomeBytes(Socket socket, char* bytes, std::size_t count) {
  ssize_t received;
  do {
    received = recv(Descriptor(socket), bytes, count, 0);
  } while (received < 0 && errno == EINTR);
  return received < 0 ? -1 : static_cast<long>(received);
}

void CloseSocket(Socket socket) {
  if (socket != kNoSocket) {
    close(Descriptor(socket));
  }
}

}  // namespace platform
