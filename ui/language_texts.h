// The language lines the windows and start-up read, and the texts composed
// from them.
#pragma once

#include <initializer_list>
#include <string>

inline constexpr int kErrorHeadingLine = 0;
inline constexpr int kLocalVersionFileMissingLine = 1;
inline constexpr int kTitleFontFailedLine = 2;
inline constexpr int kVersionFontFailedLine = 3;
inline constexpr int kAboutTitleFontFailedLine = 4;
inline constexpr int kInfoBoxCaptionLine = 5;
inline constexpr int kFirstOutcomeLine = 6;      // three lines per outcome code
inline constexpr int kUpdateFoundInfoLine = 27;  // to line 30
inline constexpr int kOpeningInfoLine = 31;      // and line 32
inline constexpr int kStatusHeadingLine = 33;
inline constexpr int kUpdateFoundStatusLine = 34;
inline constexpr int kFirstStepStatusLine = 35;  // one line per check step
inline constexpr int kInstalledVersionLine = 42;
inline constexpr int kLatestVersionLine = 43;
inline constexpr int kChangeLogCaptionLine = 44;
inline constexpr int kCheckCaptionLine = 45;
inline constexpr int kDownloadCaptionLine = 46;
inline constexpr int kCloseCaptionLine = 47;

// The language lines joined by single line feeds, nothing at either end.
std::string LanguageLinesJoined(std::initializer_list<int> lines);

// The status heading, a single blank and the given status line.
std::string StatusLine(int line);
