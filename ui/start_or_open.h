// Handing a text to the system: a download address or a web site.
#pragma once

#include <optional>
#include <string>

// Starts text as a program (quoted unless it begins with a double quote);
// failing that, opens it with the system's default handler. Nothing waits
// for what it starts, and the outcome is not reported.
void StartOrOpen(const std::string& text);

// The command line that starts text as a program with no arguments.
std::string ProgramCommandLine(const std::string& text);

// The folder to open text in: the text up to and including its last
// backslash, when there is a backslash after its first character.
std::optional<std::string> DocumentFolder(const std::string& text);
