#include "check/update_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/http_fetch.h"
#include "data/tables.h"
#include "tests/check/check_recorder.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"

namespace {

using test_server::ScriptedServer;
using test_server::Send;

test_server::Script Serving(const std::string& body) {
  return {Send("HTTP/1.1 200 OK\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\n\r\n" + body)};
}

const test_server::Script kNotFound = {
    Send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n")};

const std::vector<std::string> kStepsToComparison = {
    "step 0 0", "step 1 20", "step 2 40", "step 3 60", "step 4 80"};

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTables();
    ModeParameter = "";
    check_recorder::Clear();
    LocalVersionInfo = {"Product", "101", server_.Url("/version.txt"), ""};
  }
  void TearDown() override {
    EndNetwork();
    EXPECT_EQ(test_server::FolderEntries(temporary_.Folder()),
              std::vector<std::string>{})
        << "a downloaded file was left behind";
  }

  // A remote version file with latest version 102 and this change-log line.
  void ServeVersionFile(const std::string& latest,
                        const std::string& changeLogLine) {
    server_.Answer("/version.txt", Serving(latest +
                                           "\r\nhttp://example.com/"
                                           "setup.exe\r\n" +
                                           changeLogLine + "\r\n"));
  }

  std::vector<std::string> Steps(std::vector<std::string> steps,
                                 const std::string& last) {
    steps.push_back(last);
    return steps;
  }

  test_server::TemporaryDirectoryScope temporary_;
  ScriptedServer server_{kNotFound};
};

TEST_F(UpdateCheckTest, FindsAnUpdateWithoutAChangeLog) {
  ServeVersionFile("102", "NONE");
  EXPECT_EQ(RunUpdateCheck(), 1);
  EXPECT_EQ(check_recorder::Reports(), kStepsToComparison);
  EXPECT_EQ(check_recorder::Sleeps(), std::vector<int>(6, 250));
  EXPECT_EQ(RemoteVersionInfo[0], "102");
  EXPECT_EQ(RemoteVersionInfo[1], "http://example.com/setup.exe");
  EXPECT_EQ(RemoteVersionInfo[2], "NONE");
  EXPECT_EQ(server_.Requests().size(), 1u);
}

TEST_F(UpdateCheckTest, ReadsTheChangeLogOfAnUpdate) {
  ModeParameter = "1";
  ServeVersionFile("102", server_.Url("/changes.txt"));
  server_.Answer("/changes.txt", Serving("First\r\nSecond\nThird"));
  EXPECT_EQ(RunUpdateCheck(), 1);
  std::vector<std::string> steps = kStepsToComparison;
  steps.insert(steps.end(), {"step 5 90", "step 6 95"});
  EXPECT_EQ(check_recorder::Reports(), steps);
  EXPECT_EQ(check_recorder::Sleeps(), std::vector<int>(9, 150));
  EXPECT_EQ(ChangeLogCount, 3);
  EXPECT_EQ(ChangeLog[0], "First");
  EXPECT_EQ(ChangeLog[2], "Third");
  EXPECT_EQ(server_.Requests().size(), 2u);
}

TEST_F(UpdateCheckTest, StoresNoMoreChangeLogLinesThanItCanCount) {
  std::string changeLog;
  for (int line = 0; line < 300; ++line) {
    changeLog += "line " + std::to_string(line) + "\n";
  }
  ServeVersionFile("102", server_.Url("/changes.txt"));
  server_.Answer("/changes.txt", Serving(changeLog));
  EXPECT_EQ(RunUpdateCheck(), 1);
  EXPECT_EQ(ChangeLogCount, 127);
  EXPECT_EQ(ChangeLog[126], "line 126");
  EXPECT_EQ(ChangeLog[127], "");
}

TEST_F(UpdateCheckTest, EndsWithTheOutcomeOfEachFailure) {
  const struct {
    const char* name;
    std::string latest;
    std::string changeLogLine;  // "<missing>": the change log is not served
    int outcome;
  } cases[] = {
      {"latest empty", "", "NONE", 3},
      {"latest zero", "0", "NONE", 3},
      {"latest negative", "-1", "NONE", 3},
      {"latest too great", "1000", "NONE", 3},
      {"latest with a blank", "101 ", "NONE", 3},
      {"same version", "101", "NONE", 4},
      {"older version", "100", "NONE", 4},
      {"change log missing", "102", "<missing>", 5},
      {"change-log line empty", "102", "", 5},
      {"none in lower case", "102", "none", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    check_recorder::Clear();
    ServeVersionFile(c.latest, c.changeLogLine == "<missing>"
                                   ? server_.Url("/missing.txt")
                                   : c.changeLogLine);
    EXPECT_EQ(RunUpdateCheck(), 0);
    std::vector<std::string> reports = check_recorder::Reports();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), "failure " + std::to_string(c.outcome));
    EXPECT_EQ(test_server::FolderEntries(temporary_.Folder()),
              std::vector<std::string>{});
  }
}

TEST_F(UpdateCheckTest, FailsOnAVersionFileThatCannotBeDownloaded) {
  for (const std::string& url :
       {server_.Url("/absent.txt"), std::string(), std::string("no url")}) {
    SCOPED_TRACE(url);
    check_recorder::Clear();
    LocalVersionInfo[2] = url;
    EXPECT_EQ(RunUpdateCheck(), 0);
    EXPECT_EQ(check_recorder::Reports(),
              (std::vector<std::string>{"step 0 0", "step 1 20", "failure 1"}));
    EXPECT_EQ(check_recorder::Sleeps(), std::vector<int>(2, 250));
  }
}

TEST_F(UpdateCheckTest, ChecksUrlsWithQueriesOrTrailingSlashes) {
  // Their file parts make unusual but valid temporary names.
  for (const std::string& target :
       {std::string("/get.php?product=a&v=1"), std::string("/dir/")}) {
    SCOPED_TRACE(target);
    LocalVersionInfo[2] = server_.Url(target);
    server_.Answer(target, Serving("102\r\n\r\nNONE\r\n"));
    EXPECT_EQ(RunUpdateCheck(), 1);
  }
}

TEST_F(UpdateCheckTest, FailsWhenTheTemporaryDirectoryIsMissing) {
  ServeVersionFile("102", "NONE");
  test_server::SetEnvironment(
      "tmp", (temporary_.Folder() / "does-not-exist").string());
  EXPECT_EQ(RunUpdateCheck(), 0);
  EXPECT_EQ(check_recorder::Reports().back(), "failure 1");
  EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
