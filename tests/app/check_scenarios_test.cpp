// Checks against a scripted publisher: each reachable outcome, the result
// view with and without a change log, the download role, and silent mode.
#include <gtest/gtest.h>

#include <functional>

#include "data/tables.h"
#include "tests/app/scenario.h"
#include "tests/app/window_rows.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"
#include "ui/check_display.h"

namespace {

using test_server::Send;

constexpr int kMainWindow = 0;
constexpr char kDownload[] = "http://downloads.quorvel.example/setup.exe";

test_server::Script Serving(const std::string& body) {
  return {Send("HTTP/1.1 200 OK\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\n\r\n" + body)};
}

const test_server::Script kNotFound = {
    Send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n")};

class CheckScenarioTest : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(test_server::FolderEntries(temporary_.Folder()).empty())
        << "a downloaded file was left behind";
  }

  // The remote version file: latest version, the download address, and the
  // change log's address or "NONE".
  void ServeVersionFile(const std::string& latest,
                        const std::string& changeLog = "NONE",
                        const std::string& download = kDownload) {
    server_.Answer("/version.txt",
                   Serving(latest + "\n" + download + "\n" + changeLog + "\n"));
  }
  std::string ChangeLogUrl() { return server_.Url("/changes.txt"); }

  Scenario Against(std::vector<std::string> arguments,
                   std::vector<std::string> events) {
    Scenario scenario;
    scenario.arguments = std::move(arguments);
    scenario.events = std::move(events);
    scenario.localVersion =
        "Quorvel Demo\n101\n" + server_.Url("/version.txt") + "\n";
    return scenario;
  }

  int VersionRequests() {
    int count = 0;
    for (const std::string& request : server_.Requests()) {
      count += request.starts_with("GET /version.txt ");
    }
    return count;
  }

  test_server::TemporaryDirectoryScope temporary_;
  test_server::ScriptedServer server_{kNotFound};
};

// The rows a failed check leaves in interactive mode: bar full, the close
// button alone enabled, the step it ended at and the outcome's text.
std::vector<std::string> FailedRows(const std::string& status,
                                    const std::string& info) {
  return WithRows(
      OpeningRows(),
      {"6 button 20 231 110 25 | T45 | default | - | - | off",
       "1 groupbox 10 91 280 40 | " + status + " | default | - | - |",
       "3 textbox 15 151 270 60 | " + info + " | default | - | - |",
       "4 progress 15 106 270 15 | - | default | - | - | value=100"});
}

TEST_F(CheckScenarioTest, EachOutcomeWithoutAnUpdate) {
  struct OutcomeCase {
    const char* name;
    const char* latest;  // nullptr: the version file is not found
    bool changeLogNamed;
    std::vector<std::string> arguments;
    std::vector<std::string> rows;
  };
  const OutcomeCase cases[] = {
      {"1 download failed",
       nullptr,
       false,
       {},
       FailedRows("T33 T36", "T0\nT9\nT10\nT11")},
      {"3 latest not valid",
       "1000",
       false,
       {},
       FailedRows("T33 T38", "T0\nT15\nT16\nT17")},
      {"4 no update", "101", false, {}, FailedRows("T33 T39", "T18\nT19\nT20")},
      {"5 change log not found",
       "102",
       true,
       {},
       FailedRows("T33 T40", "T0\nT21\nT22\nT23")},
      // Muted mode shows none of it and leaves both buttons disabled.
      {"4 no update, muted",
       "101",
       false,
       {"muted"},
       WithRows(OpeningRows(),
                {"6 button 20 231 110 25 | T45 | default | - | - | off",
                 "7 button 170 231 110 25 | T47 | default | - | - | off"})},
  };
  for (const OutcomeCase& test : cases) {
    if (test.latest != nullptr) {
      ServeVersionFile(test.latest,
                       test.changeLogNamed ? ChangeLogUrl() : "NONE");
    }
    RunScenario(Against(test.arguments, {"click 6", "close 0"}));
    EXPECT_EQ(ControlRows(StateAtWait("close 0"), kMainWindow), test.rows)
        << test.name;
  }
}

// The result view over the opening layout: texts, labels and buttons.
std::vector<std::string> ResultRows(int frameHeight, int buttonsY) {
  std::string y = std::to_string(buttonsY);
  return WithRows(
      OpeningRows(),
      {"6 button 20 " + y + " 110 25 | T46 | default | - | - |",
       "7 button 170 " + y + " 110 25 | T47 | default | - | - |",
       "0 frame 5 81 290 " + std::to_string(frameHeight) +
           " | - | default | - | - |",
       "1 groupbox 10 91 280 40 | T33 T34 | default | - | - |",
       "2 groupbox 10 136 280 102 | T5 | default | - | - |",
       "3 textbox 15 151 270 60 | T27\nT28\nT29\nT30 | default | - | - |",
       "4 progress 15 106 270 15 | - | default | - | - | value=100",
       "12 label 15 213 130 19 | Installed: 1.01 | default | - | 200,150,130 "
       "| sunken",
       "13 label 155 213 130 19 | Latest: 1.02 | default | - | 150,200,130 | "
       "sunken"});
}

std::vector<std::string> ResultRowsWithChangeLog(const std::string& text) {
  return WithRows(ResultRows(371, 456),
                  {"8 groupbox 10 243 280 202 | T44 | default | - | - |",
                   "9 textbox 15 258 270 180 | " + text +
                       " | default | - | 102,102,102 |"});
}

TEST_F(CheckScenarioTest, ResultViewGrowsTheWindowAboutTheDisplaysMiddle) {
  struct ResultCase {
    const char* name;
    std::vector<std::string> arguments;
    platform::DisplaySize screen;
    const char* changeLog;  // nullptr: "NONE"
    const char* window;
    std::vector<std::string> rows;
  };
  const ResultCase cases[] = {
      {"no change log",
       {},
       {1024, 768},
       nullptr,
       "Quorvel v.1.01 359 244 300 279 open enabled topmost normal",
       ResultRows(164, 249)},
      {"three lines",
       {},
       {1024, 768},
       "first\r\nsecond\r\nthird\r\n",
       "Quorvel v.1.01 359 141 300 486 open enabled topmost normal",
       ResultRowsWithChangeLog("first\nsecond\nthird")},
      {"1080 high, no change log",
       {},
       {1920, 1080},
       nullptr,
       "Quorvel v.1.01 807 400 300 279 open enabled topmost normal",
       ResultRows(164, 249)},
      {"1080 high, one line",
       {},
       {1920, 1080},
       "only",
       "Quorvel v.1.01 807 297 300 486 open enabled topmost normal",
       ResultRowsWithChangeLog("only")},
      // Without a display the top edge goes above the screen's edge.
      {"no display",
       {},
       {0, 0},
       nullptr,
       "Quorvel v.1.01 0 -139 300 279 open enabled topmost normal",
       ResultRows(164, 249)},
      {"no display, empty change log",
       {},
       {0, 0},
       "",
       "Quorvel v.1.01 0 -243 300 486 open enabled topmost normal",
       ResultRowsWithChangeLog("")},
      // A found update shows in muted mode as in interactive mode.
      {"muted",
       {"muted"},
       {1024, 768},
       nullptr,
       "Quorvel v.1.01 359 244 300 279 open enabled topmost normal",
       ResultRows(164, 249)},
  };
  for (const ResultCase& test : cases) {
    ServeVersionFile("102", test.changeLog ? ChangeLogUrl() : "NONE");
    if (test.changeLog) server_.Answer("/changes.txt", Serving(test.changeLog));
    Scenario scenario = Against(test.arguments, {"click 6", "close 0"});
    scenario.screen = test.screen;
    RunScenario(scenario);
    const headless::ToolkitState& shown = StateAtWait("close 0");
    EXPECT_EQ(WindowRow(shown, kMainWindow), test.window) << test.name;
    EXPECT_EQ(ControlRows(shown, kMainWindow), test.rows) << test.name;
  }
}

TEST_F(CheckScenarioTest, DownloadRoleOpensTheAddressEachTimeAndStaysOpen) {
  struct DownloadCase {
    const char* download;
    std::vector<std::string> started;
  };
  const DownloadCase cases[] = {
      {kDownload, {kDownload, kDownload}},
      {"", {"", ""}},  // an empty address is handed on all the same
  };
  for (const DownloadCase& test : cases) {
    ServeVersionFile("102", "NONE", test.download);
    // A visit to the About window in between leaves the role as it is.
    RunScenario(Against({}, {"click 6", "click 6", "click 11", "click 27",
                             "click 6", "close 0"}));
    const headless::ToolkitState& last = StateAtWait("close 0");
    EXPECT_EQ(last.started, test.started);
    EXPECT_EQ(ControlRows(last, kMainWindow), ResultRows(164, 249));
  }
  EXPECT_EQ(VersionRequests(), 2);
}

// Without a language file both captions are empty, so the button never
// reaches its download role: every click checks again.
TEST_F(CheckScenarioTest, EqualCaptionsCheckAgainInsteadOfDownloading) {
  ServeVersionFile("102");
  Scenario scenario = Against({}, {"click 6", "click 6", "close 0"});
  scenario.language = std::nullopt;
  RunScenario(scenario);
  EXPECT_EQ(VersionRequests(), 2);
  const headless::ToolkitState& last = StateAtWait("close 0");
  EXPECT_TRUE(last.started.empty());
  std::vector<std::string> rows = ControlRows(last, kMainWindow);
  EXPECT_EQ(rows.size(), 13u) << "the labels are replaced, not added";
  EXPECT_EQ(rows.back(),
            "13 label 155 213 130 19 | 1.02 | default | - | 150,200,130 | "
            "sunken");
}

TEST_F(CheckScenarioTest, SilentModeOpensTheWindowOnlyForAnUpdate) {
  ServeVersionFile("102");
  RunScenario(Against({"1"}, {"click 6", "close 0"}));
  const headless::ToolkitState& opened = headless::Waits().front().state;
  EXPECT_EQ(WindowRow(opened, kMainWindow),
            "Quorvel v.1.01 359 244 300 279 open enabled topmost normal");
  EXPECT_EQ(ControlRows(opened, kMainWindow), ResultRows(164, 249));
  EXPECT_EQ(headless::ExitState()->started,
            std::vector<std::string>{kDownload});

  ServeVersionFile("101");
  RunScenario(Against({"1"}, {}));
  EXPECT_TRUE(headless::Waits().empty());
  EXPECT_TRUE(headless::ExitState()->windows.empty());
  EXPECT_TRUE(headless::ExitState()->messages.empty());
}

// The reports called directly: the outcomes no scripted publisher reaches
// (0, 2, 6), step and outcome numbers outside 0 to 6, and the modes in which
// the reports do nothing at all.
struct ReportCase {
  const char* name;
  const char* mode;
  std::function<void()> report;
  std::vector<std::string> changedRows;  // against the rows below
};

// The controls the reports change, as a check leaves them on its way in:
// both buttons disabled.
const std::vector<std::string> kReportedRows = {
    "1 groupbox 10 91 280 40 | T33 | default | - | - |",
    "3 textbox 15 151 270 60 | T31\nT32 | default | - | - |",
    "4 progress 15 106 270 15 | - | default | - | - | value=0",
    "7 button 170 231 110 25 | T47 | default | - | - | off",
};

TEST(CheckReportTest, StepsAndOutcomesChangeOnlyWhatTheirNumbersName) {
  const std::string kClosable =
      "7 button 170 231 110 25 | T47 | default | - | - |";
  const ReportCase cases[] = {
      {"step 6",
       "",
       [] { ReportCheckStep(6, 95); },
       {"1 groupbox 10 91 280 40 | T33 T41 | default | - | - |",
        "4 progress 15 106 270 15 | - | default | - | - | value=95"}},
      {"step 7 moves the bar only",
       "",
       [] { ReportCheckStep(7, 55); },
       {"4 progress 15 106 270 15 | - | default | - | - | value=55"}},
      {"step -1 moves the bar only",
       "",
       [] { ReportCheckStep(-1, 5); },
       {"4 progress 15 106 270 15 | - | default | - | - | value=5"}},
      {"outcome 0 after step 0",
       "",
       [] {
         ReportCheckStep(0, 0);
         ReportCheckFailure(0);
       },
       {"1 groupbox 10 91 280 40 | T33 T35 | default | - | - |",
        "3 textbox 15 151 270 60 | T0\nT6\nT7\nT8 | default | - | - |",
        "4 progress 15 106 270 15 | - | default | - | - | value=100",
        kClosable}},
      {"outcome 2",
       "",
       [] { ReportCheckFailure(2); },
       {"3 textbox 15 151 270 60 | T0\nT12\nT13\nT14 | default | - | - |",
        "4 progress 15 106 270 15 | - | default | - | - | value=100",
        kClosable}},
      {"outcome 6",
       "",
       [] { ReportCheckFailure(6); },
       {"3 textbox 15 151 270 60 | T0\nT24\nT25\nT26 | default | - | - |",
        "4 progress 15 106 270 15 | - | default | - | - | value=100",
        kClosable}},
      {"outcome 7 leaves the text",
       "",
       [] { ReportCheckFailure(7); },
       {"4 progress 15 106 270 15 | - | default | - | - | value=100",
        kClosable}},
      {"outcome -1 leaves the text",
       "",
       [] { ReportCheckFailure(-1); },
       {"4 progress 15 106 270 15 | - | default | - | - | value=100",
        kClosable}},
      {"muted",
       "muted",
       [] {
         ReportCheckStep(3, 60);
         ReportCheckFailure(3);
       },
       {}},
      {"silent",
       "1",
       [] {
         ReportCheckStep(3, 60);
         ReportCheckFailure(3);
       },
       {}},
  };
  for (const ReportCase& test : cases) {
    headless::ConfigureToolkit({});
    ResetTables();
    std::vector<std::string> language = NumberedLanguage();
    std::copy(language.begin(), language.end(), LanguageTable.begin());
    ModeParameter = test.mode;
    using platform::ControlKind;
    platform::CreateControl(kMainWindow, 1, ControlKind::kGroupBox, 10, 91, 280,
                            40, "T33", false);
    platform::CreateControl(kMainWindow, 3, ControlKind::kTextBox, 15, 151, 270,
                            60, "T31\nT32", false);
    platform::CreateControl(kMainWindow, 4, ControlKind::kProgress, 15, 106,
                            270, 15, "", false);
    platform::CreateControl(kMainWindow, 7, ControlKind::kButton, 170, 231, 110,
                            25, "T47", false);
    platform::EnableControl(7, false);
    test.report();
    EXPECT_EQ(ControlRows(headless::State(), kMainWindow),
              WithRows(kReportedRows, test.changedRows))
        << test.name;
  }
  ModeParameter.clear();
}

}  // namespace
