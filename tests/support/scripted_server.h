// A scripted HTTP server for tests and benchmarks.
//
// In-process, on 127.0.0.1 at an ephemeral port, served by one thread of its
// own. It takes one connection at a time: reads the request up to its empty
// line (or until the client stops sending), records its bytes, then plays the
// script chosen by the request's target ("/version.txt"), or the default
// script. A script is a list of steps; after the last step the connection is
// closed.
//
//   ScriptedServer server({Send("HTTP/1.1 200 OK\r\n\r\nhello")});
//   FetchHttpFile(server.Url("/a.txt").c_str(), path);
//   server.Requests()[0]  // "GET /a.txt HTTP/1.1\r\n..."
//
// Compiles on POSIX and on Windows (Winsock 2).
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_server {

struct Step {
  enum class Kind { kSend, kPause, kReset, kHold };
  Kind kind;
  std::string bytes;  // kSend: sent `times` times in a row
  std::int64_t times = 1;
  int milliseconds = 0;  // kPause
};
using Script = std::vector<Step>;

// Sends bytes, times times in a row (for long bodies without holding them).
Step Send(std::string bytes, std::int64_t times = 1);
// Waits before the next step.
Step Pause(int milliseconds);
// Aborts the connection with a reset (RST) instead of a clean close.
Step Reset();
// Keeps the connection open, sending nothing, until the client closes it (or
// the server stops). A script of Hold() alone never answers.
Step Hold();

// Sends each piece as its own Send, with a pause between two of them, so
// that they arrive as separate reads.
Script InPieces(const std::vector<std::string>& pieces, int pauseMilliseconds);

class ScriptedServer {
 public:
  explicit ScriptedServer(Script defaultScript = {});
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  // The script for requests whose target is exactly target.
  void Answer(const std::string& target, Script script);

  std::uint16_t Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by target.
  std::string Url(const std::string& target) const;
  // Every request's bytes so far, in order of arrival.
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Handle(std::intptr_t connection);
  bool Play(std::intptr_t connection, const Script& script);

  std::intptr_t listener_;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  Script defaultScript_;
  std::map<std::string, Script> scripts_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (connections are refused).
std::uint16_t UnusedPort();

}  // namespace test_server
