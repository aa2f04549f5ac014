// The leak run: the whole program, start-up to shutdown, 200 times in one
// process over the in-memory toolkit, each run one check of a different
// ending, and every start-up failure path. LeakSanitizer (in the sanitizer
// build) checks that nothing leaked; the heap held and the resident memory
// are printed before and after to show them flat.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "data/tables.h"
#include "tests/data/scratch_directory.h"
#include "tests/hardening/allocation_meter.h"
#include "tests/hardening/answers.h"
#include "tests/hardening/program_runner.h"
#include "tests/support/scripted_server.h"
#include "ui/window_numbers.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// In the sanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

using test_server::Send;

constexpr int kChecks = 200;
constexpr int kWarmUpRuns = 10;
// Growth of the heap over the measured runs that counts as a leak: a byte
// per run more than any string's capacity could vary by.
constexpr long long kMostHeapGrowth = 64 * 1024;

long ResidentKibibytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The heap in use by the whole process, every thread's blocks; freed blocks
// that AddressSanitizer still holds in quarantine do not count.
std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// Every way a run can end, in turn: an update with a change log, no update,
// a failed download of either file, a refused connection.
class Publisher {
 public:
  Publisher() {
    std::string changeLog;
    for (int n = 0; n < 300; ++n) {
      changeLog += "change " + std::to_string(n) + "\r\n";
    }
    server_.Answer(
        "/update.txt",
        {Send(OkWithLength("102\r\nhttp://example.invalid/setup.exe\r\n" +
                           server_.Url("/changes.txt") + "\r\n"))});
    server_.Answer("/changes.txt", {Send(OkWithLength(changeLog))});
    server_.Answer("/same.txt", {Send(OkWithLength("101\r\nx\r\nNONE\r\n"))});
    server_.Answer(
        "/broken-log.txt",
        {Send(OkWithLength("103\r\nx\r\n" + server_.Url("/gone") + "\r\n"))});
    server_.Answer("/gone", {Send("HTTP/1.1 404 Not Found\r\n\r\n")});
  }
  // The URL of the remote version file for run n.
  std::string UrlForRun(int n) const {
    const std::string targets[] = {"/update.txt", "/same.txt",
                                   "/broken-log.txt", "/gone"};
    if (n % 5 == 4) {
      return "http://127.0.0.1:" + std::to_string(test_server::UnusedPort()) +
             "/v.txt";
    }
    return server_.Url(targets[n % 5]);
  }

 private:
  test_server::ScriptedServer server_;
};

void RunOneCheck(const Publisher& publisher, int n) {
  WriteBytes("localversion.txt",
             "Product\r\n101\r\n" + publisher.UrlForRun(n) + "\r\n");
  RunWholeProgram({{}, {"click " + std::to_string(kActionButton), "close 0"}});
}

void ExpectNoLeakSoFar() {
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#else
  std::printf("not a sanitizer build: leaks are not looked for\n");
#endif
}

TEST(LeakRun, TwoHundredChecksInOneProcess) {
  ScratchDirectory directory;
  WriteNumberedLanguageFile();
  Publisher publisher;

  for (int n = 0; n < kWarmUpRuns; ++n) {
    RunOneCheck(publisher, n);
  }
  const long residentBefore = ResidentKibibytes();
  const std::size_t heapBefore = HeapInUse();
  StartAllocationMeter();
  for (int n = kWarmUpRuns; n < kChecks; ++n) {
    RunOneCheck(publisher, n);
  }
  const long long heapGrowth = AllocationMeterHeld();
  const std::size_t heapPeak = StopAllocationMeter();
  const long residentAfter = ResidentKibibytes();
  const std::size_t heapAfter = HeapInUse();

  std::printf("after run %d and after run %d:\n", kWarmUpRuns, kChecks);
  // The test server's thread keeps every request it received.
  std::printf("  heap in use, all threads: %zu and %zu bytes\n", heapBefore,
              heapAfter);
  std::printf("  heap held by the program's thread: +%lld bytes (peak %zu)\n",
              heapGrowth, heapPeak);
  std::printf(
      "  resident memory: %ld and %ld KiB (under AddressSanitizer "
      "this includes its quarantine of freed blocks)\n",
      residentBefore, residentAfter);
  EXPECT_LE(heapGrowth, kMostHeapGrowth);
  ExpectNoLeakSoFar();
}

TEST(LeakRun, StartUpFailurePaths) {
  ScratchDirectory directory;
  WriteNumberedLanguageFile();
  Publisher publisher;
  const std::string noUpdate = "Product\n101\n" + publisher.UrlForRun(1) + "\n";
  const std::string failing = "Product\n101\n" + publisher.UrlForRun(4) + "\n";
  const std::string update = "Product\n101\n" + publisher.UrlForRun(0) + "\n";
  struct Path {
    const char* name;
    const std::string* localVersion;  // nullptr: no localversion.txt
    ProgramRun run;
  };
  const Path paths[] = {
      {"no localversion.txt", nullptr, {{}, {}}},
      {"no localversion.txt, muted", nullptr, {{"muted"}, {}}},
      {"first font fails", &noUpdate, {{}, {}, 1}},
      {"second font fails", &noUpdate, {{}, {}, 2}},
      {"third font fails", &noUpdate, {{}, {}, 3}},
      {"silent, no update", &noUpdate, {{"1"}, {}}},
      {"silent, check fails", &failing, {{"1"}, {}}},
      {"silent, update", &update, {{"1"}, {"close 0"}}},
      {"no language file", &noUpdate, {{"", "Missing"}, {"close 0"}}},
  };
  for (int round = 0; round < 5; ++round) {
    for (const Path& path : paths) {
      SCOPED_TRACE(path.name);
      std::filesystem::remove("localversion.txt");
      if (path.localVersion != nullptr) {
        WriteBytes("localversion.txt", *path.localVersion);
      }
      RunWholeProgram(path.run);
    }
  }
  ExpectNoLeakSoFar();
}

}  // namespace
