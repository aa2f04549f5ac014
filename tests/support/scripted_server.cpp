#include "tests/support/scripted_server.h"

#include <chrono>
#include <cstring>
#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
namespace {
using Native = SOCKET;
constexpr int kNoSignal = 0;
void CloseNative(Native s) { closesocket(s); }
// Started once for the process, kept until its end.
void StartSocketsLayer() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}
}  // namespace
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
namespace {
using Native = int;
constexpr int kNoSignal = MSG_NOSIGNAL;
void CloseNative(Native s) { close(s); }
void StartSocketsLayer() {}
}  // namespace
#endif

namespace test_server {
namespace {

constexpr int kLookMilliseconds = 20;
constexpr auto kRequestWait = std::chrono::seconds(5);

Native AsNative(std::intptr_t s) { return static_cast<Native>(s); }

// True when s has bytes (or an end) to read within milliseconds.
bool Readable(Native s, int milliseconds) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
  return select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &wait) > 0;
}

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

// A listening socket at an ephemeral port of 127.0.0.1; sets port.
Native Listen(std::uint16_t& port, bool listening) {
  Native s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      (listening && listen(s, 16) != 0)) {
    throw std::runtime_error("test server cannot listen");
  }
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

bool SendAll(Native s, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const auto count = send(s, bytes.data() + sent,
                            static_cast<int>(bytes.size() - sent), kNoSignal);
    if (count <= 0) {
      return false;
    }
    sent += static_cast<std::size_t>(count);
  }
  return true;
}

// The target of the request line: the text between its first two blanks.
std::string RequestTarget(const std::string& request) {
  const std::size_t first = request.find(' ');
  if (first == std::string::npos) {
    return {};
  }
  const std::size_t second = request.find(' ', first + 1);
  return request.substr(first + 1, second == std::string::npos
                                       ? std::string::npos
                                       : second - first - 1);
}

}  // namespace

Step Send(std::string bytes, std::int64_t times) {
  return {Step::Kind::kSend, std::move(bytes), times, 0};
}
Step Pause(int milliseconds) {
  return {Step::Kind::kPause, {}, 1, milliseconds};
}
Step Reset() { return {Step::Kind::kReset, {}, 1, 0}; }
Step Hold() { return {Step::Kind::kHold, {}, 1, 0}; }

Script InPieces(const std::vector<std::string>& pieces, int pauseMilliseconds) {
  Script script;
  for (const std::string& piece : pieces) {
    if (!script.empty()) {
      script.push_back(Pause(pauseMilliseconds));
    }
    script.push_back(Send(piece));
  }
  return script;
}

ScriptedServer::ScriptedServer(Script defaultScript)
    : defaultScript_(std::move(defaultScript)) {
  StartSocketsLayer();
  listener_ = static_cast<std::intptr_t>(Listen(port_, true));
  thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  stopping_ = true;
  thread_.join();
  CloseNative(AsNative(listener_));
}

void ScriptedServer::Answer(const std::string& target, Script script) {
  std::lock_guard<std::mutex> lock(mutex_);
  scripts_[target] = std::move(script);
}

std::string ScriptedServer::Url(const std::string& target) const {
  return "http://127.0.0.1:" + std::to_string(port_) + target;
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void ScriptedServer::Serve() {
  while (!stopping_) {
    if (!Readable(AsNative(listener_), kLookMilliseconds)) {
      continue;
    }
    const Native connection = accept(AsNative(listener_), nullptr, nullptr);
    Handle(static_cast<std::intptr_t>(connection));
  }
}

void ScriptedServer::Handle(std::intptr_t connection) {
  const Native s = AsNative(connection);
  std::string request;
  const auto deadline = std::chrono::steady_clock::now() + kRequestWait;
  while (request.find("\r\n\r\n") == std::string::npos && !stopping_ &&
         std::chrono::steady_clock::now() < deadline) {
    if (!Readable(s, kLookMilliseconds)) {
      continue;
    }
    char block[4096];
    const auto count = recv(s, block, sizeof block, 0);
    if (count <= 0) {
      break;
    }
    request.append(block, static_cast<std::size_t>(count));
  }
  Script script;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
    const auto found = scripts_.find(RequestTarget(request));
    script = found != scripts_.end() ? found->second : defaultScript_;
  }
  if (Play(connection, script)) {
    CloseNative(s);
  }
}

// Plays script; false when the connection is already gone (reset).
bool ScriptedServer::Play(std::intptr_t connection, const Script& script) {
  const Native s = AsNative(connection);
  for (const Step& step : script) {
    switch (step.kind) {
      case Step::Kind::kSend:
        for (std::int64_t i = 0; i < step.times; ++i) {
          if (!SendAll(s, step.bytes)) {
            return true;
          }
        }
        break;
      case Step::Kind::kPause: {
        const auto end = std::chrono::steady_clock::now() +
                         std::chrono::milliseconds(step.milliseconds);
        while (!stopping_ && std::chrono::steady_clock::now() < end) {
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        break;
      }
      case Step::Kind::kReset: {
        linger abort{1, 0};
        setsockopt(s, SOL_SOCKET, SO_LINGER,
                   reinterpret_cast<const char*>(&abort), sizeof abort);
        CloseNative(s);
        return false;
      }
      case Step::Kind::kHold:
        while (!stopping_) {
          char block[4096];
          if (Readable(s, kLookMilliseconds) &&
              recv(s, block, sizeof block, 0) <= 0) {
            break;
          }
        }
        break;
    }
  }
  return true;
}

std::uint16_t UnusedPort() {
  StartSocketsLayer();
  std::uint16_t port = 0;
  // Bound but never listening: a connection to it is refused.
  const Native s = Listen(port, false);
  CloseNative(s);
  return port;
}

}  // namespace test_server
