// The event script: one event per line, "click N", "close W" or "other".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace headless {

struct ScriptEvent {
  platform::Event event;
  std::string text;  // the line normalised to single blanks
};

// One script line as an event; nullopt for a blank line or a "#" comment.
// A line that is neither and no event either sets error.
std::optional<ScriptEvent> ParseScriptLine(const std::string& line,
                                           bool& error);

// Every event of a script's lines, in order. False (with the line number,
// counted from 1, in badLine) when a line is not understood.
bool ParseEventScript(const std::vector<std::string>& lines,
                      std::vector<ScriptEvent>& events, int& badLine);

}  // namespace headless
