// The JSON state records that the in-memory toolkit appends, one per line.
#pragma once

#include <optional>
#include <string>

#include "platform/headless/headless_toolkit.h"

namespace headless {

// A text as a JSON string: each byte is the character of that code, so a
// reader that maps characters back to bytes gets the bytes exactly.
std::string JsonText(const std::string& bytes);

// The record of a wait for an event; event is nullopt when the script is
// used up.
std::string WaitRecordJson(const std::optional<std::string>& event,
                           const ToolkitState& state);
// The record written once, right before the process ends.
std::string ExitRecordJson(const ToolkitState& state);

// Appends one record and a line end to the file at path.
void AppendRecord(const std::string& path, const std::string& json);

}  // namespace headless
