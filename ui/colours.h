// The colours of the windows' layout tables (red, green, blue).
#pragma once

#include "platform/platform.h"

// The product's title bars: light blue on black.
inline constexpr platform::Rgb kTitleTextColour = {100, 160, 255};
inline constexpr platform::Rgb kTitleFillColour = {0, 0, 0};
inline constexpr platform::Rgb kVersionTextColour = {200, 200, 200};

// The result view.
inline constexpr platform::Rgb kInstalledVersionFillColour = {200, 150, 130};
inline constexpr platform::Rgb kLatestVersionFillColour = {150, 200, 130};
inline constexpr platform::Rgb kChangeLogFillColour = {102, 102, 102};

// The About window.
inline constexpr platform::Rgb kHeadingTextColour = {255, 255, 255};
inline constexpr platform::Rgb kHeadingFillColour = {51, 51, 51};
inline constexpr platform::Rgb kAboutTextColour = {0, 0, 0};
inline constexpr platform::Rgb kAboutTextFillColour = {153, 153, 153};
