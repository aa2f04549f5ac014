// The hostile-server matrix: one table, each row a server behaviour and the
// one result it must get. Every row runs twice against a server of its own:
// a download into a target file (result, what the target's folder holds, how
// long it took, the most heap it held) and a whole update check in muted mode
// (its outcome, and an empty temporary directory afterwards).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "check/answer_head.h"
#include "check/http_fetch.h"
#include "data/tables.h"
#include "tests/hardening/allocation_meter.h"
#include "tests/hardening/answers.h"
#include "tests/hardening/check_outcome.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"

namespace {

using test_server::Hold;
using test_server::Pause;
using test_server::Reset;
using test_server::Script;
using test_server::Send;
using test_server::Step;

// How long a row may take. A download that waits out its one 10-second wait
// gives up after 9 to 10 s of the monotonic clock; one that waits out none
// returns well before the first such wait could end; one whose time follows
// the data (a trickle, a gigabyte) waits out none but may take any time.
enum class Wait { kNone, kOneTenSecondWait, kDataBound };
constexpr double kShortestTenSecondWait = 9.0;
constexpr double kLongestTenSecondWait = 10.5;

// The heap a download may hold at most, whatever the server sends: the head
// up to its limit with the read that completes it, the buffer that gathers
// body bytes into large writes with one read more, and a little for the
// output file's own buffer, the URL's parts, the request and the paths.
constexpr std::size_t kReadBlock = 2048;
constexpr std::size_t kWriteGatherBytes = 64 * 1024;
constexpr std::size_t kMostDownloadHeap =
    kMostHeadBytes + kReadBlock + kWriteGatherBytes + kReadBlock + 16 * 1024;

constexpr int kMebibyte = 1024 * 1024;
const std::string kOk = "HTTP/1.1 200 OK\r\n";
const std::string kChunked = kOk + "Transfer-Encoding: chunked\r\n\r\n";
// A remote version file that names no change log: an update, no more.
const std::string kVersionFile =
    "102\r\nhttp://example.invalid/setup.exe\r\nNONE\r\n";

std::string Lines(int count) {
  std::string lines;
  for (int n = 0; n < count; ++n) {
    lines += "change " + std::to_string(n) + "\r\n";
  }
  return lines;
}

// Every byte of answer sent on its own, with a pause after each.
Script ByteByByte(const std::string& answer, int pauseMilliseconds) {
  Script script;
  for (char byte : answer) {
    script.push_back(Send(std::string(1, byte)));
    script.push_back(Pause(pauseMilliseconds));
  }
  return script;
}

std::string Garbage(std::size_t size) {
  std::mt19937 bytes(7);
  std::string garbage;
  while (garbage.size() < size) {
    garbage.push_back(static_cast<char>(bytes()));
  }
  return garbage;
}

struct Row {
  const char* name;
  // Which file the server misbehaves on: the remote version file, or the
  // change log named by a good version file.
  bool onChangeLog;
  // The answer, given the URL that was asked for.
  std::function<Script(const std::string& url)> answer;
  int result;                       // of the download
  std::optional<std::string> file;  // the target afterwards; nullopt: none
  int checkEnd;                     // outcome code, or kFoundUpdate
  Wait wait;
  int changeLogCount = 0;              // after a found update
  std::size_t firstChangeLogLine = 0;  // its length
};

std::vector<Row> Matrix() {
  const std::string hugeLine(10 * kMebibyte, 'x');
  const std::string manyLines = Lines(10000);
  return {
      {"byte_at_a_time", false,
       [](const std::string&) {
         return ByteByByte(OkWithLength(kVersionFile), 900);
       },
       0, std::nullopt, 1, Wait::kOneTenSecondWait},
      {"body_byte_at_a_time", false,
       [](const std::string&) {
         Script script{Send(kOk + "Content-Length: 5\r\n\r\n")};
         for (const Step& step : ByteByByte("101\r\n", 900)) {
           script.push_back(step);
         }
         return script;
       },
       1, "101\r\n", 4, Wait::kDataBound},
      {"head_never_ends", false,
       [](const std::string&) {
         Script script{Send(kOk)};
         for (int i = 0; i < 40; ++i) {
           script.push_back(Send("X-Padding: more\r\n"));
           script.push_back(Pause(500));
         }
         return script;
       },
       0, std::nullopt, 1, Wait::kOneTenSecondWait},
      {"head_of_1_MiB", false,
       [](const std::string&) {
         return Script{
             Send(kOk),
             Send("X-Padding: " + std::string(1012, 'a') + "\r\n", 1024),
             Send("\r\n" + kVersionFile)};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"head_just_under_the_limit_then_chunks", false,
       [](const std::string&) {
         return Script{
             Send(kOk + "Transfer-Encoding: chunked\r\n"),
             Send("X-Padding: " + std::string(1012, 'a') + "\r\n", 63),
             Send("\r\n" + std::string("2d\r\n") + kVersionFile +
                  "\r\n0\r\n\r\n")};
       },
       1, kVersionFile, kFoundUpdate, Wait::kNone},
      {"content_length_2_pow_63", false,
       [](const std::string&) {
         return Script{Send(kOk +
                            "Content-Length: 9223372036854775808\r\n\r\n" +
                            kVersionFile)};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"chunk_size_ffffffffffffffff", false,
       [](const std::string&) {
         return Script{Send(kChunked + "ffffffffffffffff\r\n" + kVersionFile)};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"chunk_size_negative", false,
       [](const std::string&) {
         return Script{Send(kChunked + "-5\r\n102\r\n\r\n0\r\n\r\n")};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"chunk_size_not_hex", false,
       [](const std::string&) {
         return Script{Send(kChunked + "zz\r\n102\r\n\r\n0\r\n\r\n")};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"chunk_size_line_without_end", false,
       [](const std::string&) {
         return Script{Send(kChunked + "5"), Hold()};
       },
       0, std::nullopt, 1, Wait::kOneTenSecondWait},
      {"chunk_size_line_of_10_KiB", false,
       [](const std::string&) {
         return Script{Send(kChunked + std::string(10 * 1024, '1')), Hold()};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"reset_mid_head", false,
       [](const std::string&) {
         return Script{Send(kOk + "Content-Le"), Pause(100), Reset()};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"reset_mid_body", false,
       [](const std::string&) {
         return Script{Send(kOk + "Content-Length: 100\r\n\r\n102\r\n"),
                       Pause(100), Reset()};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"reset_mid_body_until_close", false,
       [](const std::string&) {
         return Script{Send(kOk + "\r\n102\r\n"), Pause(100), Reset()};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"accepts_and_closes_at_once", false,
       [](const std::string&) { return Script{}; }, 0, std::nullopt, 1,
       Wait::kNone},
      {"binary_garbage_for_a_status_line", false,
       [](const std::string&) { return Script{Send(Garbage(4096))}; }, 0,
       std::nullopt, 1, Wait::kNone},
      {"content_length_over_the_limit", false,
       [](const std::string&) {
         return Script{
             Send(kOk + "Content-Length: 1000000001\r\n\r\n" + kVersionFile)};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"chunk_over_the_limit", false,
       [](const std::string&) {
         return Script{Send(kChunked + "3b9aca01\r\n" + kVersionFile)};
       },
       0, std::nullopt, 1, Wait::kNone},
      {"until_close_body_over_the_limit", false,
       [](const std::string&) {
         return Script{Send(kOk + "\r\n"), Send(std::string(64 * 1024, 'x'),
                                                1000000000 / 65536 + 1)};
       },
       0, std::nullopt, 1, Wait::kDataBound},
      {"change_log_of_10000_lines", true,
       [manyLines](const std::string&) {
         return Script{Send(OkWithLength(manyLines))};
       },
       1, manyLines, kFoundUpdate, Wait::kNone, 127, 8},
      {"change_log_of_one_10_MiB_line", true,
       [hugeLine](const std::string&) {
         return Script{Send(OkWithLength(hugeLine))};
       },
       1, hugeLine, kFoundUpdate, Wait::kNone, 1, hugeLine.size()},
      {"redirect_to_the_same_address", false,
       [](const std::string& url) {
         return Script{Send(
             "HTTP/1.1 302 Found\r\nLocation: " + url + "\r\nContent-Length: " +
             std::to_string(kVersionFile.size()) + "\r\n\r\n" + kVersionFile)};
       },
       1, kVersionFile, kFoundUpdate, Wait::kNone},
  };
}

// Test names and failure messages show the row's name, not its bytes.
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

// A server whose version file is good or misbehaves as the row says, and
// whose change log misbehaves when the row is about the change log.
class RowServer {
 public:
  explicit RowServer(const Row& row) {
    const std::string versionUrl = server_.Url("/version.txt");
    const std::string changeLogUrl = server_.Url("/changes.txt");
    if (row.onChangeLog) {
      server_.Answer(
          "/version.txt",
          {Send(OkWithLength("102\r\nhttp://example.invalid/setup.exe\r\n" +
                             changeLogUrl + "\r\n"))});
      server_.Answer("/changes.txt", row.answer(changeLogUrl));
    } else {
      server_.Answer("/version.txt", row.answer(versionUrl));
    }
  }
  std::string VersionUrl() const { return server_.Url("/version.txt"); }
  std::string HostileUrl(const Row& row) const {
    return server_.Url(row.onChangeLog ? "/changes.txt" : "/version.txt");
  }
  std::size_t Requests() const { return server_.Requests().size(); }

 private:
  test_server::ScriptedServer server_;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
      .count();
}

class HostileServer : public ::testing::TestWithParam<Row> {
 protected:
  void SetUp() override { ASSERT_EQ(StartNetwork(), 1); }
  void TearDown() override { EndNetwork(); }
};

TEST_P(HostileServer, GetsItsOneDefinedResult) {
  const Row& row = GetParam();

  // The download alone, into a target in a folder of its own.
  const std::filesystem::path folder = test_server::NewTestFolder();
  const std::filesystem::path target = folder / "target.txt";
  int result = 0;
  double seconds = 0;
  std::size_t heap = 0;
  {
    RowServer server(row);
    const std::string url = server.HostileUrl(row);
    const auto start = std::chrono::steady_clock::now();
    StartAllocationMeter();
    result = FetchHttpFile(url.c_str(), target.string().c_str());
    heap = StopAllocationMeter();
    seconds = SecondsSince(start);
    EXPECT_EQ(server.Requests(), 1u) << "a redirect is never followed";
  }
  EXPECT_EQ(result, row.result);
  if (row.file) {
    EXPECT_EQ(test_server::FolderEntries(folder),
              std::vector<std::string>{"target.txt"});
    EXPECT_TRUE(test_server::ReadWholeFile(target) == *row.file)
        << "the target does not hold the body";
  } else {
    EXPECT_TRUE(test_server::FolderEntries(folder).empty());
  }
  if (row.wait == Wait::kNone) {
    EXPECT_LT(seconds, kShortestTenSecondWait);
  } else if (row.wait == Wait::kOneTenSecondWait) {
    EXPECT_GE(seconds, kShortestTenSecondWait - 0.5);
    EXPECT_LE(seconds, kLongestTenSecondWait);
  }
  EXPECT_LE(heap, kMostDownloadHeap);
  std::filesystem::remove_all(folder);

  // The whole check, in muted mode, with the same server behaviour.
  test_server::TemporaryDirectoryScope temporary;
  double checkSeconds = 0;
  int checkEnd = 0;
  {
    RowServer server(row);
    const auto start = std::chrono::steady_clock::now();
    checkEnd = RunMutedCheck(server.VersionUrl());
    checkSeconds = SecondsSince(start);
  }
  EXPECT_EQ(checkEnd, row.checkEnd);
  if (checkEnd == kFoundUpdate && row.onChangeLog) {
    EXPECT_EQ(ChangeLogCount, row.changeLogCount);
    EXPECT_EQ(ChangeLog[0].size(), row.firstChangeLogLine);
  }
  EXPECT_TRUE(test_server::FolderEntries(temporary.Folder()).empty())
      << "the check left files in the temporary directory";

  std::printf(
      "| %-34s | %d | %-7s | %6.2f s | %7zu B | %7s | %6.2f s |\n", row.name,
      result, row.file ? "body" : "no file", seconds, heap,
      checkEnd == kFoundUpdate ? "update" : std::to_string(checkEnd).c_str(),
      checkSeconds);
}

std::vector<Row> RowsThat(bool slow) {
  std::vector<Row> rows;
  for (const Row& row : Matrix()) {
    if ((row.wait != Wait::kNone) == slow) {
      rows.push_back(row);
    }
  }
  return rows;
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

// Rows that wait out a time-out or follow a slow or huge stream are a suite
// of their own, so that the build can label them slow.
INSTANTIATE_TEST_SUITE_P(Quick, HostileServer,
                         ::testing::ValuesIn(RowsThat(false)), RowName);
INSTANTIATE_TEST_SUITE_P(Slow, HostileServer,
                         ::testing::ValuesIn(RowsThat(true)), RowName);

}  // namespace
