// The in-memory toolkit on its own: script lines, text escaping, and the
// events a disabled window or control does not deliver.
#include <gtest/gtest.h>

#include "platform/headless/event_script.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/headless/state_records.h"

namespace {

TEST(EventScriptTest, LinesBecomeEventsWithTheirNormalisedText) {
  struct LineCase {
    const char* line;
    bool error;
    bool event;
    platform::EventKind kind;
    int number;
    const char* text;
  };
  using platform::EventKind;
  const LineCase cases[] = {
      {"click 6", false, true, EventKind::kControl, 6, "click 6"},
      {"  click \t 27  \r", false, true, EventKind::kControl, 27, "click 27"},
      {"close 0", false, true, EventKind::kClose, 0, "close 0"},
      {"other", false, true, EventKind::kOther, 0, "other"},
      {"", false, false, EventKind::kOther, 0, ""},
      {"   ", false, false, EventKind::kOther, 0, ""},
      {"# click 6", false, false, EventKind::kOther, 0, ""},
      {"click", true, false, EventKind::kOther, 0, ""},
      {"click -1", true, false, EventKind::kOther, 0, ""},
      {"click 6x", true, false, EventKind::kOther, 0, ""},
      {"click 99999999999", true, false, EventKind::kOther, 0, ""},
      {"close 0 1", true, false, EventKind::kOther, 0, ""},
      {"Click 6", true, false, EventKind::kOther, 0, ""},
      {"other 1", true, false, EventKind::kOther, 0, ""},
  };
  for (const LineCase& test : cases) {
    bool error = false;
    std::optional<headless::ScriptEvent> event =
        headless::ParseScriptLine(test.line, error);
    EXPECT_EQ(error, test.error) << test.line;
    ASSERT_EQ(event.has_value(), test.event) << test.line;
    if (!event) continue;
    EXPECT_EQ(event->event.kind, test.kind) << test.line;
    EXPECT_EQ(event->event.number, test.number) << test.line;
    EXPECT_EQ(event->text, test.text) << test.line;
  }
}

TEST(StateRecordTest, EveryByteComesBackAsTheCharacterOfItsCode) {
  std::string allBytes;
  for (int byte = 0; byte < 256; ++byte) allBytes += static_cast<char>(byte);
  std::string json = headless::JsonText(allBytes);
  EXPECT_EQ(json.substr(0, 13), R"("\u0000\u0001)");
  EXPECT_NE(json.find(R"( !\"#)"), std::string::npos);
  EXPECT_NE(json.find(R"([\\])"), std::string::npos);
  EXPECT_NE(json.find(R"(}~\u007f\u0080)"), std::string::npos);
  EXPECT_EQ(json.substr(json.size() - 7), R"(\u00ff")");
  for (char c : json) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(ToolkitTest, DisabledWindowsAndControlsDeliverNothing) {
  headless::ToolkitSetup setup;
  setup.events = {"click 1", "close 0", "click 2", "click 3",
                  "click 9", "close 4", "other"};
  headless::ConfigureToolkit(setup);
  platform::OpenWindow(0, "main", 100, 100, platform::WindowStyle::kNormal);
  platform::OpenWindow(5, "other", 100, 100, platform::WindowStyle::kTool);
  platform::CreateControl(0, 1, platform::ControlKind::kButton, 0, 0, 1, 1, "a",
                          false);
  platform::CreateControl(5, 2, platform::ControlKind::kButton, 0, 0, 1, 1, "b",
                          false);
  platform::CreateControl(5, 3, platform::ControlKind::kButton, 0, 0, 1, 1, "c",
                          false);
  platform::EnableWindow(0, false);
  platform::EnableControl(2, false);
  // Dropped: click 1 (disabled window), close 0, click 2 (disabled
  // control). Delivered: click 3, then click 9 and close 4, which name
  // nothing that exists.
  platform::Event third = platform::WaitForEvent();
  EXPECT_EQ(third.kind, platform::EventKind::kControl);
  EXPECT_EQ(third.number, 3);
  EXPECT_EQ(platform::WaitForEvent().number, 9);
  EXPECT_EQ(platform::WaitForEvent().kind, platform::EventKind::kClose);
  EXPECT_EQ(platform::WaitForEvent().kind, platform::EventKind::kOther);
  EXPECT_EQ(headless::Waits().size(), 7u);
}

TEST(ToolkitTest, ControlsReplaceTheirNumberAndGoWithTheirWindow) {
  headless::ConfigureToolkit({});
  platform::OpenWindow(0, "main", 100, 100, platform::WindowStyle::kNormal);
  platform::OpenWindow(1, "about", 50, 50, platform::WindowStyle::kTool);
  platform::CreateControl(0, 8, platform::ControlKind::kLabel, 0, 0, 1, 1,
                          "first", true);
  platform::CreateControl(1, 20, platform::ControlKind::kLabel, 0, 0, 1, 1,
                          "about", false);
  platform::CreateControl(0, 9, platform::ControlKind::kTextBox, 0, 0, 1, 1, "",
                          true);
  platform::CreateControl(0, 8, platform::ControlKind::kGroupBox, 1, 2, 3, 4,
                          "second", true);
  platform::MoveControl(8, platform::kKeep, 7, platform::kKeep, 9);
  platform::CloseWindow(1);
  platform::OpenWindow(1, "again", 60, 60, platform::WindowStyle::kTool);
  const headless::ToolkitState& state = headless::State();
  ASSERT_EQ(state.controls.size(), 2u);
  EXPECT_EQ(state.controls[0].id, 9);
  EXPECT_FALSE(state.controls[0].border);  // only a label has a border
  EXPECT_EQ(state.controls[1].id, 8);
  EXPECT_EQ(state.controls[1].text, "second");
  EXPECT_EQ(std::tuple(state.controls[1].x, state.controls[1].y,
                       state.controls[1].width, state.controls[1].height),
            std::tuple(1, 7, 3, 9));
  ASSERT_EQ(state.windows.size(), 2u);  // reopened in its first place
  EXPECT_EQ(state.windows[1].title, "again");
  EXPECT_TRUE(state.windows[1].open);
}

}  // namespace
