// The three fonts of the windows, created at start-up in a fixed order.
#pragma once

// Creates TitleFont, VersionFont and AboutTitleFont in that order. The first
// that cannot be created is reported (interactive mode) and ends start-up:
// false.
bool CreateFonts();
// Releases every font that was created.
void ReleaseFonts();
