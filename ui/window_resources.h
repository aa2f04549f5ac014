// The fonts and the banner picture that the windows use. Start-up creates
// them once and shutdown releases them; the windows only read them.
#pragma once

#include "platform/platform.h"

extern platform::Font* TitleFont;
extern platform::Font* VersionFont;
extern platform::Font* AboutTitleFont;
extern platform::RgbaImage BannerImage;
