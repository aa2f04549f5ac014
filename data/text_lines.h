// The one way every text file is split into lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"

// Reads the open file to its end by the line reading rule (CR, LF, CR LF and
// NUL end a line; LF CR ends two). Each line is stored in table[counter] and
// counter goes up by one, while counter is below both the table's size and
// the counter's largest value; later lines are read and dropped, so counter
// always equals the number of lines stored. The caller closes the file.
void ReadLinesIntoTable(platform::File* file, std::span<std::string> table,
                        std::int8_t& counter);
void ReadLinesIntoTable(platform::File* file, std::span<std::string> table,
                        std::int32_t& counter);

// The same rule over bytes in memory.
void ReadLinesFromBytes(std::string_view bytes, std::span<std::string> table,
                        std::int8_t& counter);
void ReadLinesFromBytes(std::string_view bytes, std::span<std::string> table,
                        std::int32_t& counter);

// Opens path, reads it as above and closes it again; false when it cannot be
// opened, and then nothing is stored.
bool ReadTextFileIntoTable(const std::string& path,
                           std::span<std::string> table, std::int8_t& counter);
bool ReadTextFileIntoTable(const std::string& path,
                           std::span<std::string> table, std::int32_t& counter);
