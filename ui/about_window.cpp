#include "ui/about_window.h"

#include <cstdint>

#include "ui/colours.h"
#include "ui/control_layout.h"
#include "ui/credits.h"
#include "ui/start_or_open.h"
#include "ui/window_numbers.h"
#include "ui/window_resources.h"

namespace {

using platform::ControlKind;

constexpr char kAboutWindowTitle[] = "INFORMATION";
constexpr int kAboutWindowWidth = 280;
constexpr int kAboutWindowHeight = 246;

std::string Title() { return "Quorvel:"; }
std::string AboutHeading() { return "About:"; }
std::string CreditsHeading() { return "Developing, Programing:"; }
std::string Description() {
  return "Quorvel is an easy solution to check for new versions of software. "
         "You can use it for your software for free to keep your users up to "
         "date.";
}
std::string Credits() {
  return std::string(kAuthorName) + "\nEmail:" + kContactEmail +
         "\nWebsite:" + kWebsiteHost;
}
std::string WebsiteCaption() { return "WEBSITE"; }
std::string CloseCaption() { return "CLOSE"; }

// In creation order: the headings and texts after the frame they lie in.
// clang-format off
const ControlLayout kAboutWindowLayout[] = {
    // number, kind, x, y, width, height, sunken border, font,
    //   text colour, fill colour, text (, picture)
    {kAboutTitle,       ControlKind::kLabel,    0,   5, 280,  30, true,  &AboutTitleFont,
     kTitleTextColour, kTitleFillColour, Title},
    {kAboutFrame,       ControlKind::kFrame,    5,  35, 270, 176, false, nullptr,
     {}, {}, nullptr},
    {kAboutHeading,     ControlKind::kLabel,   10,  45, 260,  18, false, &TitleFont,
     kHeadingTextColour, kHeadingFillColour, AboutHeading},
    {kCreditsHeading,   ControlKind::kLabel,   10, 136, 260,  18, false, &TitleFont,
     kHeadingTextColour, kHeadingFillColour, CreditsHeading},
    {kAboutText,        ControlKind::kLabel,   45,  67, 190,  54, false, nullptr,
     kAboutTextColour, kAboutTextFillColour, Description},
    {kCreditsText,      ControlKind::kLabel,   45, 158, 190,  45, false, nullptr,
     kAboutTextColour, kAboutTextFillColour, Credits},
    {kWebsiteButton,    ControlKind::kButton,  10, 218,  80,  24, false, nullptr,
     {}, {}, WebsiteCaption},
    {kAboutCloseButton, ControlKind::kButton, 190, 218,  80,  24, false, nullptr,
     {}, {}, CloseCaption},
};
// clang-format on

void OpenAboutWindow() {
  platform::OpenWindow(kAboutWindow, kAboutWindowTitle, kAboutWindowWidth,
                       kAboutWindowHeight, platform::WindowStyle::kTool);
  platform::CentreWindow(kAboutWindow);
  platform::SetWindowTopmost(kMainWindow, false);
  platform::SetWindowTopmost(kAboutWindow, true);
  platform::EnableWindow(kMainWindow, false);
  for (const ControlLayout& layout : kAboutWindowLayout) {
    CreateLaidOutControl(kAboutWindow, layout);
  }
}

// Only the two buttons end it: close requests and all else are ignored.
void RunAboutEventLoop() {
  std::uint8_t quit = 0;
  while (quit != 1) {
    platform::Event event = platform::WaitForEvent();
    if (event.kind != platform::EventKind::kControl) continue;
    if (event.number == kWebsiteButton) {
      StartOrOpen(WebsiteAddress());
      quit = 1;
    } else if (event.number == kAboutCloseButton) {
      quit = 1;
    }
  }
}

}  // namespace

void RunAboutWindow() {
  OpenAboutWindow();
  RunAboutEventLoop();
  platform::CloseWindow(kAboutWindow);
  platform::SetWindowTopmost(kMainWindow, true);
  platform::EnableWindow(kMainWindow, true);
}
