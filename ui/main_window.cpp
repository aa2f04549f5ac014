#include "ui/main_window.h"

#include <cstdint>

#include "check/update_check.h"
#include "data/run_mode.h"
#include "data/tables.h"
#include "data/versions.h"
#include "ui/about_window.h"
#include "ui/check_display.h"
#include "ui/colours.h"
#include "ui/control_layout.h"
#include "ui/language_texts.h"
#include "ui/start_or_open.h"
#include "ui/window_numbers.h"
#include "ui/window_resources.h"

namespace {

using platform::ControlKind;

constexpr char kMainWindowTitle[] = "Quorvel v.1.01";
constexpr int kMainWindowWidth = 300;
constexpr int kMainWindowHeight = 261;

std::string ProductName() { return LocalVersionInfo[0]; }
std::string InstalledVersion() {
  return "v." + DisplayForm(LocalVersionInfo[1]);
}
std::string CheckCaption() { return LanguageTable[kCheckCaptionLine]; }
std::string CloseCaption() { return LanguageTable[kCloseCaptionLine]; }
std::string StatusHeading() { return LanguageTable[kStatusHeadingLine]; }
std::string InfoCaption() { return LanguageTable[kInfoBoxCaptionLine]; }
std::string OpeningInfo() {
  return LanguageLinesJoined({kOpeningInfoLine, kOpeningInfoLine + 1});
}
std::string HelpCaption() { return "?"; }

// In creation order; a control that lies on another is created after it.
// clang-format off
const ControlLayout kMainWindowLayout[] = {
    // number, kind, x, y, width, height, sunken border, font,
    //   text colour, fill colour, text (, picture)
    {kBanner,        ControlKind::kPicture,    0,   0, 300,  50, false, nullptr,
     {}, {}, nullptr, &BannerImage},
    {kProductTitle,  ControlKind::kLabel,      0,  51, 300,  25, true,  &TitleFont,
     kTitleTextColour, kTitleFillColour, ProductName},
    {kVersionLabel,  ControlKind::kLabel,    268,  53,  28,  18, false, &VersionFont,
     kVersionTextColour, kTitleFillColour, InstalledVersion},
    {kActionButton,  ControlKind::kButton,    20, 231, 110,  25, false, nullptr,
     {}, {}, CheckCaption},
    {kCloseButton,   ControlKind::kButton,   170, 231, 110,  25, false, nullptr,
     {}, {}, CloseCaption},
    {kMainFrame,     ControlKind::kFrame,      5,  81, 290, 145, false, nullptr,
     {}, {}, nullptr},
    {kStatusBox,     ControlKind::kGroupBox,  10,  91, 280,  40, false, nullptr,
     {}, {}, StatusHeading},
    {kInfoBox,       ControlKind::kGroupBox,  10, 136, 280,  82, false, nullptr,
     {}, {}, InfoCaption},
    {kInfoText,      ControlKind::kTextBox,   15, 151, 270,  60, false, nullptr,
     {}, {}, OpeningInfo},
    {kProgressBar,   ControlKind::kProgress,  15, 106, 270,  15, false, nullptr,
     {}, {}, nullptr},
    {kHelpButton,    ControlKind::kButton,   285,   0,  15,  15, false, nullptr,
     {}, {}, HelpCaption},
};
// clang-format on

void OpenMainWindow() {
  platform::OpenWindow(kMainWindow, kMainWindowTitle, kMainWindowWidth,
                       kMainWindowHeight, platform::WindowStyle::kNormal);
  platform::CentreWindow(kMainWindow);
  platform::SetWindowTopmost(kMainWindow, true);
  for (const ControlLayout& layout : kMainWindowLayout) {
    CreateLaidOutControl(kMainWindow, layout);
  }
}

// The button's role follows from its caption alone: while it reads the
// check caption it checks, afterwards it opens the download.
void ActionButtonClicked() {
  if (platform::ControlText(kActionButton) ==
      LanguageTable[kCheckCaptionLine]) {
    platform::EnableControl(kActionButton, false);
    platform::EnableControl(kCloseButton, false);
    if (RunUpdateCheck() == 1) ShowUpdateResult();
  } else {
    StartOrOpen(RemoteVersionInfo[1]);
  }
}

void RunMainEventLoop() {
  std::uint8_t quit = 0;
  while (quit != 1) {
    platform::Event event = platform::WaitForEvent();
    if (event.kind == platform::EventKind::kControl) {
      switch (event.number) {
        case kActionButton:
          ActionButtonClicked();
          break;
        case kCloseButton:
          quit = 1;
          break;
        case kBanner:
        case kHelpButton:  // the "?" on the banner's corner acts as the banner
          RunAboutWindow();
          break;
        default:
          break;
      }
    } else if (event.kind == platform::EventKind::kClose) {
      quit = 1;
    }
  }
}

}  // namespace

void RunMainWindow() {
  OpenMainWindow();
  if (IsSilentMode()) ShowUpdateResult();
  RunMainEventLoop();
}
