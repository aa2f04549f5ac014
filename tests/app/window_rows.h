// Whole-window state as rows of text, so that a test compares a window with
// a table and a failure shows the rows that differ.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_toolkit.h"

// One row a control of the window, in creation order:
// "id kind x y width height | text | font | text colour | fill colour |
// flags", where a colour is "r,g,b" or "-", the text is "-" where the kind
// has none, and flags are "sunken", "off" (disabled) and "value=N" for a
// progress bar.
std::vector<std::string> ControlRows(const headless::ToolkitState& state,
                                     int window);

// "title x y width height open|closed enabled|disabled topmost|- normal|tool"
// or "none" when the window was never opened.
std::string WindowRow(const headless::ToolkitState& state, int window);

// The message boxes as "title | text", a missing title as "(no title)".
std::vector<std::string> MessageRows(const headless::ToolkitState& state);

// The rows with each of changes put in place of the row of the same control
// number, or added at the end when the window had no such control.
std::vector<std::string> WithRows(std::vector<std::string> rows,
                                  const std::vector<std::string>& changes);

// The main window as it opens over NumberedLanguage() and the product
// "Quorvel Demo", version 101: the design's layout table.
std::vector<std::string> OpeningRows();
