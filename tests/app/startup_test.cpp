// Start-up in each run mode: which message box, if any, and whether the main
// window opens.
#include <gtest/gtest.h>

#include "tests/app/scenario.h"
#include "tests/app/window_rows.h"

namespace {

struct StartupCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* languageFile;  // nullptr: none
  bool localVersionFile;
  int failingFont;
  std::vector<std::string> messages;
  bool windowOpens;
};

const StartupCase kStartupCases[] = {
    // Interactive mode reports each failure, titled by language line 0.
    {"interactive_no_local_version",
     {},
     "English",
     false,
     0,
     {"T0 | T1"},
     false},
    {"interactive_title_font_fails",
     {},
     "English",
     true,
     1,
     {"T0 | T2"},
     false},
    {"interactive_version_font_fails",
     {},
     "English",
     true,
     2,
     {"T0 | T3"},
     false},
    {"interactive_about_font_fails",
     {},
     "English",
     true,
     3,
     {"T0 | T4"},
     false},
    // Without a language file the box has no title at all, and no text.
    {"interactive_no_files", {}, nullptr, false, 0, {"(no title) | "}, false},
    {"interactive_no_language_font_fails",
     {},
     nullptr,
     true,
     2,
     {"(no title) | "},
     false},
    // An empty first parameter is interactive mode, and names the language.
    {"empty_mode_then_german",
     {"", "German"},
     "German",
     false,
     0,
     {"T0 | T1"},
     false},
    {"interactive_opens_window", {}, "English", true, 0, {}, true},
    // Muted mode: any other first parameter; nothing is reported.
    {"muted_no_local_version", {"German"}, "English", false, 0, {}, false},
    {"muted_font_fails", {"quiet"}, "English", true, 2, {}, false},
    {"muted_zero_one_opens_window", {"01"}, "English", true, 0, {}, true},
    // Silent mode: nothing reported; the check comes before any window.
    {"silent_no_local_version", {"1"}, "English", false, 0, {}, false},
    {"silent_font_fails", {"1", "German"}, "German", true, 3, {}, false},
    {"silent_failed_check_opens_nothing", {"1"}, "English", true, 0, {}, false},
};

class StartupTest : public testing::TestWithParam<StartupCase> {};

TEST_P(StartupTest, ReportsAndOpensAsTheModeSays) {
  const StartupCase& test = GetParam();
  Scenario scenario;
  scenario.arguments = test.arguments;
  if (test.languageFile == nullptr) {
    scenario.language = std::nullopt;
  } else {
    scenario.languageFileName = test.languageFile;
  }
  if (!test.localVersionFile) scenario.localVersion = std::nullopt;
  scenario.failingFont = test.failingFont;
  scenario.events = {"close 0"};
  RunScenario(scenario);

  ASSERT_TRUE(headless::ExitState().has_value());
  const headless::ToolkitState& exit = *headless::ExitState();
  EXPECT_EQ(MessageRows(exit), test.messages);
  EXPECT_EQ(!headless::Waits().empty(), test.windowOpens);
  // Shutdown leaves no window open and no control behind.
  for (const headless::WindowState& window : exit.windows) {
    EXPECT_FALSE(window.open) << window.number;
  }
  EXPECT_TRUE(exit.controls.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, StartupTest, testing::ValuesIn(kStartupCases),
                         [](const auto& info) { return info.param.name; });

// An empty line 0 is an empty title, not a missing one.
TEST(StartupMessageTest, EmptyLanguageLineZeroGivesAnEmptyTitle) {
  Scenario scenario;
  scenario.language = std::vector<std::string>{"", "Cannot open the file"};
  scenario.localVersion = std::nullopt;
  RunScenario(scenario);
  EXPECT_EQ(MessageRows(*headless::ExitState()),
            std::vector<std::string>{" | Cannot open the file"});
}

}  // namespace
