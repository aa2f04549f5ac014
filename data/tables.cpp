#include "data/tables.h"

std::array<std::string, kLocalVersionSlots> LocalVersionInfo;
std::array<std::string, kRemoteVersionSlots> RemoteVersionInfo;
std::array<std::string, kChangeLogSlots> ChangeLog;
std::int8_t ChangeLogCount = 0;
std::array<std::string, kLanguageSlots> LanguageTable;
std::int8_t SharedLineCounter = 0;
int LanguageLinesStored = 0;
std::string ModeParameter;
std::string LanguageName;

void ResetTables() {
  LocalVersionInfo.fill({});
  RemoteVersionInfo.fill({});
  ChangeLog.fill({});
  ChangeLogCount = 0;
  LanguageTable.fill({});
  SharedLineCounter = 0;
  LanguageLinesStored = 0;
}
