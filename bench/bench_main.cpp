// quorvel-bench [CURL]: starts a loopback HTTP server and prints
//   - whole-process times of quorvel-fetch and curl fetching 1 KiB;
//   - throughput of both for a 64 MiB body with a content length, chunked,
//     and delimited by the end of sending;
//   - peak resident memory of quorvel-fetch for a 1 MiB and a 64 MiB body;
//   - the time of a whole RunUpdateCheck in muted mode beyond its pauses.
// Linux only: it starts processes with posix_spawn and reads their rusage.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "check/update_check.h"
#include "data/tables.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"

extern char** environ;

namespace {

using test_server::ScriptedServer;
using test_server::Send;

constexpr std::int64_t kKiB = 1024;
constexpr std::int64_t kMiB = 1024 * kKiB;
constexpr std::int64_t kBlock = 64 * kKiB;
constexpr int kSmallRuns = 41;
constexpr int kLargeRuns = 5;
constexpr int kCheckRuns = 5;
constexpr double kPauseSeconds = 0.150;  // StepPause outside interactive mode

struct Run {
  double seconds;
  long peakKiB;
  int status;
};

// Runs argv to its end: wall time, peak resident memory, exit status.
Run RunProcess(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) !=
      0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> elapsed =
      std::chrono::steady_clock::now() - start;
  return {elapsed.count(), usage.ru_maxrss, status};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Fetcher {
  const char* name;
  std::vector<std::string> command;  // URL and FILE are appended (curl: -o)
};

// The median time of runs fetches of url by fetcher; checks the file size.
double MedianFetchSeconds(const Fetcher& fetcher, const std::string& url,
                          const std::filesystem::path& file,
                          std::int64_t expectedBytes, int runs) {
  std::vector<double> seconds;
  for (int i = 0; i < runs; ++i) {
    std::filesystem::remove(file);
    std::vector<std::string> command = fetcher.command;
    if (std::string(fetcher.name) == "curl") {
      command.insert(command.end(), {"-o", file.string(), url});
    } else {
      command.insert(command.end(), {url, file.string()});
    }
    const Run run = RunProcess(command);
    std::error_code error;
    if (run.status != 0 || static_cast<std::int64_t>(std::filesystem::file_size(
                               file, error)) != expectedBytes) {
      std::fprintf(stderr, "%s failed on %s\n", fetcher.name, url.c_str());
      std::exit(1);
    }
    seconds.push_back(run.seconds);
  }
  return Median(seconds);
}

std::string LengthAnswerHead(std::int64_t bytes) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(bytes) +
         "\r\n\r\n";
}

// "/64m-chunked" and the like: the target of a body of that size and mode.
std::string BodyTarget(std::int64_t mebibytes, const char* mode) {
  std::string target = "/";
  target += std::to_string(mebibytes);
  target += "m-";
  target += mode;
  return target;
}

void ServeBodies(ScriptedServer& server) {
  const std::string block(kBlock, 'q');
  server.Answer("/1k", {Send(LengthAnswerHead(kKiB) + std::string(kKiB, 'k'))});
  for (const std::int64_t size : {1 * kMiB, 64 * kMiB}) {
    server.Answer(BodyTarget(size / kMiB, "length"),
                  {Send(LengthAnswerHead(size)), Send(block, size / kBlock)});
    server.Answer(
        BodyTarget(size / kMiB, "chunked"),
        {Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"),
         Send("10000\r\n" + block + "\r\n", size / kBlock), Send("0\r\n\r\n")});
    server.Answer(
        BodyTarget(size / kMiB, "close"),
        {Send("HTTP/1.1 200 OK\r\n\r\n"), Send(block, size / kBlock)});
  }
}

double CheckSeconds(ScriptedServer& server, bool withChangeLog) {
  std::vector<double> seconds;
  for (int i = 0; i < kCheckRuns; ++i) {
    ResetTables();
    ModeParameter = "muted";
    LocalVersionInfo = {"Bench", "101", server.Url("/version.txt"), ""};
    const std::string changeLog =
        withChangeLog ? server.Url("/changes.txt") : "NONE";
    const std::string version =
        "102\r\nhttp://example.com/setup.exe\r\n" + changeLog + "\r\n";
    server.Answer(
        "/version.txt",
        {Send(LengthAnswerHead(static_cast<std::int64_t>(version.size())) +
              version)});
    const auto start = std::chrono::steady_clock::now();
    const int result = RunUpdateCheck();
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - start;
    if (result != 1) {
      std::fprintf(stderr, "the check failed\n");
      std::exit(1);
    }
    seconds.push_back(elapsed.count());
  }
  return Median(seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string ownFolder =
      std::filesystem::canonical("/proc/self/exe").parent_path().string();
  const Fetcher ours{"quorvel-fetch", {ownFolder + "/quorvel-fetch"}};
  const Fetcher curl{"curl", {argc > 1 ? argv[1] : "curl", "-s"}};

  test_server::TemporaryDirectoryScope scratch;
  const std::filesystem::path file = scratch.Folder() / "body";
  ScriptedServer server;
  ServeBodies(server);

  std::printf("1 KiB fetch, whole process, median of %d:\n", kSmallRuns);
  const double oursSmall =
      MedianFetchSeconds(ours, server.Url("/1k"), file, kKiB, kSmallRuns);
  const double curlSmall =
      MedianFetchSeconds(curl, server.Url("/1k"), file, kKiB, kSmallRuns);
  std::printf("  quorvel-fetch %.2f ms, curl %.2f ms, ratio %.2f\n",
              oursSmall * 1e3, curlSmall * 1e3, oursSmall / curlSmall);

  std::printf("64 MiB body, throughput, median of %d:\n", kLargeRuns);
  for (const char* mode : {"length", "chunked", "close"}) {
    const std::string url = server.Url(BodyTarget(64, mode));
    const double oursLarge =
        MedianFetchSeconds(ours, url, file, 64 * kMiB, kLargeRuns);
    const double curlLarge =
        MedianFetchSeconds(curl, url, file, 64 * kMiB, kLargeRuns);
    std::printf(
        "  %-8s quorvel-fetch %.0f MiB/s, curl %.0f MiB/s, ratio %.2f\n", mode,
        64 / oursLarge, 64 / curlLarge, curlLarge / oursLarge);
  }

  std::printf("peak resident memory of quorvel-fetch:\n");
  for (const std::int64_t size : {1, 64}) {
    for (const char* mode : {"length", "chunked", "close"}) {
      std::filesystem::remove(file);
      const Run run = RunProcess(
          {ours.command[0], server.Url(BodyTarget(size, mode)), file.string()});
      std::printf("  %2d MiB %-8s %ld KiB\n", static_cast<int>(size), mode,
                  run.peakKiB);
    }
  }
  std::filesystem::remove(file);

  server.Answer("/changes.txt",
                {Send(LengthAnswerHead(12) + "one\r\ntwo\r\nthree")});
  std::printf("RunUpdateCheck, muted, median of %d, beyond its pauses:\n",
              kCheckRuns);
  const double withoutLog = CheckSeconds(server, false);
  const double withLog = CheckSeconds(server, true);
  std::printf("  without change log %.1f ms (total %.1f ms, 6 pauses)\n",
              (withoutLog - 6 * kPauseSeconds) * 1e3, withoutLog * 1e3);
  std::printf("  with change log    %.1f ms (total %.1f ms, 9 pauses)\n",
              (withLog - 9 * kPauseSeconds) * 1e3, withLog * 1e3);
  return 0;
}
