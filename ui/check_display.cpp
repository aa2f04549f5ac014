#include "ui/check_display.h"

#include "data/run_mode.h"
#include "data/tables.h"
#include "data/versions.h"
#include "ui/colours.h"
#include "ui/control_layout.h"
#include "ui/language_texts.h"
#include "ui/window_numbers.h"

namespace {

using platform::ControlKind;
using platform::kKeep;

constexpr int kLastCheckStep = 6;
constexpr int kFailureStep = 7;
constexpr int kFullBar = 100;
constexpr int kNoUpdateOutcome = 4;
constexpr int kLastOutcome = 6;
constexpr char kNoChangeLog[] = "NONE";

constexpr int kResultInfoBoxHeight = 102;

// The result view, without and with a change log.
struct ResultGeometry {
  int windowHeight;
  int mainFrameHeight;
  int buttonsY;
};
constexpr ResultGeometry kWithoutChangeLog = {279, 164, 249};
constexpr ResultGeometry kWithChangeLog = {486, 371, 456};

std::string InstalledVersion() {
  return LanguageTable[kInstalledVersionLine] +
         DisplayForm(LocalVersionInfo[1]);
}
std::string LatestVersion() {
  return LanguageTable[kLatestVersionLine] + DisplayForm(RemoteVersionInfo[0]);
}
std::string ChangeLogCaption() { return LanguageTable[kChangeLogCaptionLine]; }

// clang-format off
const ControlLayout kVersionLabels[] = {
    // number, kind, x, y, width, height, sunken border, font,
    //   text colour, fill colour, text (, picture)
    {kInstalledVersionLabel, ControlKind::kLabel,  15, 213, 130,  19, true, nullptr,
     {}, kInstalledVersionFillColour, InstalledVersion},
    {kLatestVersionLabel,    ControlKind::kLabel, 155, 213, 130,  19, true, nullptr,
     {}, kLatestVersionFillColour, LatestVersion},
};

const ControlLayout kChangeLogControls[] = {
    // number, kind, x, y, width, height, sunken border, font,
    //   text colour, fill colour, text (, picture)
    {kChangeLogBox,  ControlKind::kGroupBox, 10, 243, 280, 202, false, nullptr,
     {}, {}, ChangeLogCaption},
    {kChangeLogText, ControlKind::kTextBox,  15, 258, 270, 180, false, nullptr,
     {}, kChangeLogFillColour, nullptr},
};
// clang-format on

void AppendToControlText(int control, const std::string& text) {
  platform::SetControlText(control, platform::ControlText(control) + text);
}

// Lines 0 to ChangeLogCount - 1, one line feed between each two; with a count
// of 0 the first slot alone.
void FillChangeLogText() {
  int count = ChangeLogCount;
  int i = 0;
  while (i < count - 1) {
    AppendToControlText(kChangeLogText, ChangeLog[i] + "\n");
    ++i;
  }
  AppendToControlText(kChangeLogText, ChangeLog[i]);
}

// Grows the window about the display's middle and moves the buttons down.
void LayOutResultView(const ResultGeometry& geometry, int displayHeight) {
  platform::SetWindowHeightAndTop(kMainWindow, geometry.windowHeight,
                                  (displayHeight - geometry.windowHeight) / 2);
  platform::MoveControl(kMainFrame, kKeep, kKeep, kKeep,
                        geometry.mainFrameHeight);
  platform::MoveControl(kActionButton, kKeep, geometry.buttonsY, kKeep, kKeep);
  platform::MoveControl(kCloseButton, kKeep, geometry.buttonsY, kKeep, kKeep);
}

}  // namespace

void ReportCheckStep(int step, int percent) {
  if (!IsInteractiveMode()) return;
  platform::SetProgressValue(kProgressBar, percent);
  if (step >= 0 && step <= kLastCheckStep) {
    platform::SetControlText(kStatusBox,
                             StatusLine(kFirstStepStatusLine + step));
  }
}

void ReportCheckFailure(int outcome) {
  if (!IsInteractiveMode()) return;
  ReportCheckStep(kFailureStep, kFullBar);
  platform::EnableControl(kCloseButton, true);
  if (outcome < 0 || outcome > kLastOutcome) return;
  int first = kFirstOutcomeLine + 3 * outcome;
  std::string text = LanguageLinesJoined({first, first + 1, first + 2});
  // Every outcome but "no update" is an error and says so first.
  if (outcome != kNoUpdateOutcome) {
    text = LanguageTable[kErrorHeadingLine] + "\n" + text;
  }
  platform::SetControlText(kInfoText, text);
}

void ShowUpdateResult() {
  platform::SetProgressValue(kProgressBar, kFullBar);
  platform::SetControlText(kStatusBox, StatusLine(kUpdateFoundStatusLine));
  platform::SetControlText(
      kInfoText, LanguageLinesJoined(
                     {kUpdateFoundInfoLine, kUpdateFoundInfoLine + 1,
                      kUpdateFoundInfoLine + 2, kUpdateFoundInfoLine + 3}));
  int displayHeight = platform::PrimaryDisplaySize().height;
  platform::MoveControl(kInfoBox, kKeep, kKeep, kKeep, kResultInfoBoxHeight);
  for (const ControlLayout& layout : kVersionLabels) {
    CreateLaidOutControl(kMainWindow, layout);
  }
  platform::SetControlText(kActionButton, LanguageTable[kDownloadCaptionLine]);
  platform::EnableControl(kActionButton, true);
  platform::EnableControl(kCloseButton, true);
  if (RemoteVersionInfo[2] == kNoChangeLog) {
    LayOutResultView(kWithoutChangeLog, displayHeight);
    return;
  }
  LayOutResultView(kWithChangeLog, displayHeight);
  for (const ControlLayout& layout : kChangeLogControls) {
    CreateLaidOutControl(kMainWindow, layout);
  }
  FillChangeLogText();
}
