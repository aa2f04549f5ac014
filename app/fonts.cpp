#include "app/fonts.h"

#include "app/startup_messages.h"
#include "ui/language_texts.h"
#include "ui/window_resources.h"

namespace {

constexpr char kFontFace[] = "Arial";

struct FontSpec {
  platform::Font** font;
  platform::FontRequest request;  // name, face, points, bold, underline
  int failureLine;                // the message's language line
};

const FontSpec kFonts[] = {
    {&TitleFont,
     {"TitleFont", kFontFace, 12, true, false},
     kTitleFontFailedLine},
    {&VersionFont,
     {"VersionFont", kFontFace, 7, true, false},
     kVersionFontFailedLine},
    {&AboutTitleFont,
     {"AboutTitleFont", kFontFace, 15, true, true},
     kAboutTitleFontFailedLine},
};

}  // namespace

bool CreateFonts() {
  for (const FontSpec& spec : kFonts) {
    *spec.font = platform::CreateFontObject(spec.request);
    if (*spec.font == nullptr) {
      ShowStartupFailure(spec.failureLine);
      return false;
    }
  }
  return true;
}

void ReleaseFonts() {
  for (const FontSpec& spec : kFonts) {
    if (*spec.font != nullptr) platform::ReleaseFont(*spec.font);
    *spec.font = nullptr;
  }
}
