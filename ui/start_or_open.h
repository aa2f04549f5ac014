// Handing a text to the system: a download address or a web site.
#pragma once

#include <string>

// Starts text as a program (quoted unless it begins with a double quote);
// failing that, opens it with the system's default handler. Nothing waits
// for what it starts, and the outcome is not reported.
void StartOrOpen(const std::string& text);
