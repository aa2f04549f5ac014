// The About window: opened from the banner or the "?", its layout, the
// disabled main window under it, and the ways it is left.
#include <gtest/gtest.h>

#include "tests/app/scenario.h"
#include "tests/app/window_rows.h"

namespace {

constexpr int kMainWindow = 0;
constexpr int kAboutWindow = 1;

const std::vector<std::string> kAboutRows = {
    "20 label 0 5 280 30 | Quorvel: | AboutTitleFont | 100,160,255 | 0,0,0 | "
    "sunken",
    "21 frame 5 35 270 176 | - | default | - | - |",
    "22 label 10 45 260 18 | About: | TitleFont | 255,255,255 | 51,51,51 |",
    "24 label 10 136 260 18 | Developing, Programing: | TitleFont | "
    "255,255,255 | 51,51,51 |",
    "23 label 45 67 190 54 | Quorvel is an easy solution to check for new "
    "versions of software. You can use it for your software for free to keep "
    "your users up to date. | default | 0,0,0 | 153,153,153 |",
    "25 label 45 158 190 45 | The Quorvel developers\n"
    "Email:developers@quorvel.example\nWebsite:www.quorvel.example | default "
    "| 0,0,0 | 153,153,153 |",
    "26 button 10 218 80 24 | WEBSITE | default | - | - |",
    "27 button 190 218 80 24 | CLOSE | default | - | - |",
};

constexpr char kAboutOpen[] =
    "INFORMATION 369 249 280 246 open enabled topmost tool";
constexpr char kMainUnderAbout[] =
    "Quorvel v.1.01 359 239 300 261 open disabled - normal";
constexpr char kMainAlone[] =
    "Quorvel v.1.01 359 239 300 261 open enabled topmost normal";

TEST(AboutWindowTest, OpensOverTheDisabledMainWindowWithItsFixedTexts) {
  for (const char* opener : {"click 11", "click 14"}) {
    Scenario scenario;
    scenario.events = {opener, "other", "click 27", "close 0"};
    RunScenario(scenario);
    const headless::ToolkitState& open = StateAtWait("other");
    EXPECT_EQ(WindowRow(open, kAboutWindow), kAboutOpen) << opener;
    EXPECT_EQ(WindowRow(open, kMainWindow), kMainUnderAbout) << opener;
    EXPECT_EQ(ControlRows(open, kAboutWindow), kAboutRows) << opener;
    EXPECT_EQ(ControlRows(open, kMainWindow), OpeningRows()) << opener;
  }
}

TEST(AboutWindowTest, NoTextComesFromTheLanguageFile) {
  Scenario scenario;
  scenario.language = std::nullopt;
  scenario.events = {"click 11", "other", "click 27", "close 0"};
  RunScenario(scenario);
  EXPECT_EQ(ControlRows(StateAtWait("other"), kAboutWindow), kAboutRows);
}

// Each way of leaving it, or not, and what is handed to the system.
struct LeaveCase {
  const char* name;
  std::vector<std::string> events;  // after the banner click
  std::vector<std::string> started;
};

TEST(AboutWindowTest, OnlyItsTwoButtonsCloseIt) {
  const LeaveCase cases[] = {
      {"close button", {"click 27"}, {}},
      {"website button opens the site and closes",
       {"click 26"},
       {"https://www.quorvel.example/"}},
      // Close requests, other controls and the disabled main window's
      // controls change nothing.
      {"ignored first",
       {"close 1", "close 0", "click 11", "click 7", "click 20", "other",
        "click 27"},
       {}},
  };
  for (const LeaveCase& test : cases) {
    Scenario scenario;
    scenario.events = {"click 11"};
    scenario.events.insert(scenario.events.end(), test.events.begin(),
                           test.events.end());
    scenario.events.push_back("close 0");
    RunScenario(scenario);
    const headless::ToolkitState& after = headless::Waits().back().state;
    EXPECT_EQ(WindowRow(after, kAboutWindow),
              "INFORMATION 369 249 280 246 closed enabled topmost tool")
        << test.name;
    EXPECT_EQ(WindowRow(after, kMainWindow), kMainAlone) << test.name;
    EXPECT_TRUE(ControlRows(after, kAboutWindow).empty()) << test.name;
    EXPECT_EQ(ControlRows(after, kMainWindow), OpeningRows()) << test.name;
    EXPECT_EQ(after.started, test.started) << test.name;
    EXPECT_EQ(headless::Waits().size(), scenario.events.size()) << test.name;
  }
}

TEST(AboutWindowTest, OpensAgainBuiltAnewInTheMiddleOfTheScreen) {
  Scenario scenario;
  scenario.events = {"click 11", "click 26", "click 14",
                     "other",    "click 27", "close 0"};
  RunScenario(scenario);
  const headless::ToolkitState& again = StateAtWait("other");
  EXPECT_EQ(WindowRow(again, kAboutWindow), kAboutOpen);
  EXPECT_EQ(ControlRows(again, kAboutWindow), kAboutRows);
  EXPECT_EQ(again.windows.size(), 2u);
  EXPECT_EQ(headless::ExitState()->started,
            std::vector<std::string>{"https://www.quorvel.example/"});
}

}  // namespace
