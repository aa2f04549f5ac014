// The process-wide tables and run parameters. They live here and only here;
// everything else reads and writes them in place.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kLocalVersionSlots = 4;
inline constexpr int kRemoteVersionSlots = 4;
inline constexpr int kChangeLogSlots = 201;
inline constexpr int kLanguageSlots = 51;

extern std::array<std::string, kLocalVersionSlots> LocalVersionInfo;
extern std::array<std::string, kRemoteVersionSlots> RemoteVersionInfo;
extern std::array<std::string, kChangeLogSlots> ChangeLog;
extern std::int8_t ChangeLogCount;
extern std::array<std::string, kLanguageSlots> LanguageTable;

// The line counter shared by the language file and the local version file.
extern std::int8_t SharedLineCounter;

// How many lines the language file supplied: a message box shows no title at
// all for a line the file did not reach, but an empty title for an empty line.
extern int LanguageLinesStored;

// The first command-line parameter, compared where behaviour differs.
extern std::string ModeParameter;
// The second command-line parameter, "English" when empty.
extern std::string LanguageName;

// Empties every table and sets the counts to 0 (start-up step 2).
void ResetTables();
