#include "tests/app/window_rows.h"

namespace {

std::string Colour(const std::optional<platform::Rgb>& colour) {
  if (!colour) return "-";
  return std::to_string(colour->red) + "," + std::to_string(colour->green) +
         "," + std::to_string(colour->blue);
}

const char* KindName(platform::ControlKind kind) {
  constexpr const char* kNames[] = {"picture",  "label",   "button",  "frame",
                                    "groupbox", "textbox", "progress"};
  return kNames[static_cast<int>(kind)];
}

std::string ControlRow(const headless::ControlState& control) {
  bool hasText = control.kind != platform::ControlKind::kPicture &&
                 control.kind != platform::ControlKind::kFrame &&
                 control.kind != platform::ControlKind::kProgress;
  std::string row =
      std::to_string(control.id) + " " + KindName(control.kind) + " " +
      std::to_string(control.x) + " " + std::to_string(control.y) + " " +
      std::to_string(control.width) + " " + std::to_string(control.height) +
      " | " + (hasText ? control.text : "-") + " | " + control.font + " | " +
      Colour(control.textColor) + " | " + Colour(control.fillColor) + " |";
  if (control.border) row += " sunken";
  if (!control.enabled) row += " off";
  if (control.kind == platform::ControlKind::kProgress) {
    row += " value=" + std::to_string(control.value);
  }
  return row;
}

}  // namespace

std::vector<std::string> ControlRows(const headless::ToolkitState& state,
                                     int window) {
  std::vector<std::string> rows;
  for (const headless::ControlState& control : state.controls) {
    if (control.window == window) rows.push_back(ControlRow(control));
  }
  return rows;
}

std::string WindowRow(const headless::ToolkitState& state, int window) {
  for (const headless::WindowState& shown : state.windows) {
    if (shown.number != window) continue;
    return shown.title + " " + std::to_string(shown.x) + " " +
           std::to_string(shown.y) + " " + std::to_string(shown.width) + " " +
           std::to_string(shown.height) + (shown.open ? " open" : " closed") +
           (shown.enabled ? " enabled" : " disabled") +
           (shown.topmost ? " topmost" : " -") +
           (shown.tool ? " tool" : " normal");
  }
  return "none";
}

std::vector<std::string> MessageRows(const headless::ToolkitState& state) {
  std::vector<std::string> rows;
  for (const headless::MessageBoxRecord& message : state.messages) {
    rows.push_back((message.title ? *message.title : "(no title)") + " | " +
                   message.text);
  }
  return rows;
}

namespace {
std::string ControlNumber(const std::string& row) {
  return row.substr(0, row.find(' '));
}
}  // namespace

std::vector<std::string> WithRows(std::vector<std::string> rows,
                                  const std::vector<std::string>& changes) {
  for (const std::string& change : changes) {
    bool replaced = false;
    for (std::string& row : rows) {
      if (ControlNumber(row) == ControlNumber(change)) {
        row = change;
        replaced = true;
      }
    }
    if (!replaced) rows.push_back(change);
  }
  return rows;
}

std::vector<std::string> OpeningRows() {
  return {
      "11 picture 0 0 300 50 | - | default | - | - |",
      "5 label 0 51 300 25 | Quorvel Demo | TitleFont | 100,160,255 | 0,0,0 | "
      "sunken",
      "10 label 268 53 28 18 | v.1.01 | VersionFont | 200,200,200 | 0,0,0 |",
      "6 button 20 231 110 25 | T45 | default | - | - |",
      "7 button 170 231 110 25 | T47 | default | - | - |",
      "0 frame 5 81 290 145 | - | default | - | - |",
      "1 groupbox 10 91 280 40 | T33 | default | - | - |",
      "2 groupbox 10 136 280 82 | T5 | default | - | - |",
      "3 textbox 15 151 270 60 | T31\nT32 | default | - | - |",
      "4 progress 15 106 270 15 | - | default | - | - | value=0",
      "14 button 285 0 15 15 | ? | default | - | - |",
  };
}
