// The program's texts are bytes; GTK shows UTF-8.
#pragma once

#include <string>

namespace platform::gtk {

// Valid UTF-8 as it is; any other text read as Windows-1252, byte by byte.
std::string DisplayText(const std::string& bytes);

}  // namespace platform::gtk
