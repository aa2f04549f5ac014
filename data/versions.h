// Version numbers: their numeric value, the validity test of the latest
// version, the comparison and the display form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Skips leading blanks and tabs, takes one optional sign, then "$" hex, "%"
// binary or decimal digits up to the first non-digit; modulo 2^64.
std::int64_t NumericValue(std::string_view text);

// At most 3 characters and a value from 1 to 999.
bool IsValidVersion(std::string_view text);

// True when the installed value is less than the latest value.
bool IsUpdate(std::string_view installed, std::string_view latest);

// First character, ".", then the second and third characters as far as the
// text has them: "101" gives "1.01", "" gives ".".
std::string DisplayForm(std::string_view text);
