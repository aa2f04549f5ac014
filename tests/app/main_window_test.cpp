// The main window: its layout on opening, its event loop, and a check that
// ends without an update (the publisher cannot be reached).
#include <gtest/gtest.h>

#include "tests/app/scenario.h"
#include "tests/app/window_rows.h"

namespace {

constexpr int kMainWindow = 0;

TEST(MainWindowTest, OpensWithTheLayoutTableCentredAndTopmost) {
  Scenario scenario;
  scenario.events = {"close 0"};
  RunScenario(scenario);
  const headless::ToolkitState& opened = StateAtWait("close 0");
  EXPECT_EQ(WindowRow(opened, kMainWindow),
            "Quorvel v.1.01 359 239 300 261 open enabled topmost normal");
  EXPECT_EQ(ControlRows(opened, kMainWindow), OpeningRows());
  // The banner shows the stored picture, decoded at its full size.
  EXPECT_EQ(opened.controls[0].pictureWidth, 300);
  EXPECT_EQ(opened.controls[0].pictureHeight, 50);
}

TEST(MainWindowTest, WithoutLanguageFileEveryLanguageTextIsEmpty) {
  Scenario scenario;
  scenario.language = std::nullopt;
  scenario.events = {"close 0"};
  RunScenario(scenario);
  EXPECT_EQ(ControlRows(StateAtWait("close 0"), kMainWindow),
            WithRows(OpeningRows(),
                     {"6 button 20 231 110 25 |  | default | - | - |",
                      "7 button 170 231 110 25 |  | default | - | - |",
                      "1 groupbox 10 91 280 40 |  | default | - | - |",
                      "2 groupbox 10 136 280 82 |  | default | - | - |",
                      "3 textbox 15 151 270 60 | \n | default | - | - |"}));
}

struct PlacementCase {
  platform::DisplaySize screen;
  const char* window;
};

TEST(MainWindowTest, IsCentredOnTheDisplayButNeverAboveOrLeftOfIt) {
  const PlacementCase cases[] = {
      {{1024, 768},
       "Quorvel v.1.01 359 239 300 261 open enabled topmost normal"},
      {{1920, 1080},
       "Quorvel v.1.01 807 395 300 261 open enabled topmost normal"},
      {{200, 100}, "Quorvel v.1.01 0 0 300 261 open enabled topmost normal"},
      {{0, 0}, "Quorvel v.1.01 0 0 300 261 open enabled topmost normal"},
  };
  for (const PlacementCase& test : cases) {
    Scenario scenario;
    scenario.screen = test.screen;
    scenario.events = {"close 0"};
    RunScenario(scenario);
    EXPECT_EQ(WindowRow(StateAtWait("close 0"), kMainWindow), test.window);
  }
}

TEST(MainWindowTest, VersionLabelShowsTheInstalledVersionsDisplayForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"Product\n101\nhttp://x/\n", "v.1.01"},
      {"Product\n99\nhttp://x/\n", "v.9.9"},
      {"Product\n\nhttp://x/\n", "v.."},
      {"Product", "v.."},
  };
  for (const auto& [localVersion, shown] : cases) {
    Scenario scenario;
    scenario.localVersion = localVersion;
    scenario.events = {"close 0"};
    RunScenario(scenario);
    EXPECT_EQ(ControlRows(StateAtWait("close 0"), kMainWindow)[2],
              std::string("10 label 268 53 28 18 | ") + shown +
                  " | VersionFont | 200,200,200 | 0,0,0 |");
  }
}

// Which events end the loop, and how many waits it takes.
struct LoopCase {
  const char* name;
  std::vector<std::string> events;
};

TEST(MainWindowTest, OnlyTheCloseButtonOrACloseRequestEndsTheLoop) {
  const LoopCase cases[] = {
      {"close button", {"click 7"}},
      {"close request", {"close 0"}},
      {"close request of another window", {"close 5"}},
      {"other events ignored",
       {"other", "click 3", "click 0", "click 4", "click 5", "click 10",
        "click 99", "close 0"}},
  };
  for (const LoopCase& test : cases) {
    Scenario scenario;
    scenario.events = test.events;
    RunScenario(scenario);
    EXPECT_EQ(headless::Waits().size(), test.events.size()) << test.name;
    ASSERT_TRUE(headless::ExitState()) << test.name;
    EXPECT_EQ(WindowRow(*headless::ExitState(), 1), "none") << test.name;
    EXPECT_TRUE(headless::ExitState()->started.empty()) << test.name;
  }
}

// A check that cannot reach the publisher ends with outcome 1.
struct FailedCheckCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> changedRows;  // against the opening layout
};

TEST(MainWindowTest, CheckThatFailsShowsItsOutcomeOnlyInInteractiveMode) {
  const FailedCheckCase cases[] = {
      {"interactive",
       {},
       {"6 button 20 231 110 25 | T45 | default | - | - | off",
        "1 groupbox 10 91 280 40 | T33 T36 | default | - | - |",
        "3 textbox 15 151 270 60 | T0\nT9\nT10\nT11 | default | - | - |",
        "4 progress 15 106 270 15 | - | default | - | - | value=100"}},
      {"muted",
       {"muted"},
       {"6 button 20 231 110 25 | T45 | default | - | - | off",
        "7 button 170 231 110 25 | T47 | default | - | - | off"}},
  };
  for (const FailedCheckCase& test : cases) {
    Scenario scenario;
    scenario.arguments = test.arguments;
    // The second click finds the button disabled: no second check. In
    // muted mode the close button is disabled too; the close box still ends
    // the program.
    scenario.events = {"click 6", "click 6", "click 7", "close 0"};
    if (test.arguments.empty()) scenario.events.pop_back();
    RunScenario(scenario);
    EXPECT_EQ(ControlRows(StateAtWait("click 6", 1), kMainWindow),
              WithRows(OpeningRows(), test.changedRows))
        << test.name;
    EXPECT_EQ(headless::Waits().size(), scenario.events.size()) << test.name;
  }
}

}  // namespace
