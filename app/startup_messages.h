// The message boxes of a start-up that cannot go on.
#pragma once

// In interactive mode only: a message box with the error heading (language
// line 0) as its title and the given language line as its text. When the
// language file did not reach line 0 the box gets no title at all.
void ShowStartupFailure(int textLine);
