#include "ui/window_resources.h"

platform::Font* TitleFont = nullptr;
platform::Font* VersionFont = nullptr;
platform::Font* AboutTitleFont = nullptr;
platform::RgbaImage BannerImage;
