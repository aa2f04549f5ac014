// The fixed numbers by which the program addresses its windows and controls.
#pragma once

inline constexpr int kMainWindow = 0;
inline constexpr int kAboutWindow = 1;

// Controls of the main window.
inline constexpr int kMainFrame = 0;
inline constexpr int kStatusBox = 1;
inline constexpr int kInfoBox = 2;
inline constexpr int kInfoText = 3;
inline constexpr int kProgressBar = 4;
inline constexpr int kProductTitle = 5;
inline constexpr int kActionButton = 6;
inline constexpr int kCloseButton = 7;
inline constexpr int kChangeLogBox = 8;
inline constexpr int kChangeLogText = 9;
inline constexpr int kVersionLabel = 10;
inline constexpr int kBanner = 11;
inline constexpr int kInstalledVersionLabel = 12;
inline constexpr int kLatestVersionLabel = 13;
inline constexpr int kHelpButton = 14;

// Controls of the About window.
inline constexpr int kAboutTitle = 20;
inline constexpr int kAboutFrame = 21;
inline constexpr int kAboutHeading = 22;
inline constexpr int kAboutText = 23;
inline constexpr int kCreditsHeading = 24;
inline constexpr int kCreditsText = 25;
inline constexpr int kWebsiteButton = 26;
inline constexpr int kAboutCloseButton = 27;
