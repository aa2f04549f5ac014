#include "data/language_file.h"

#include <string>

#include "data/tables.h"
#include "data/text_lines.h"
#include "platform/platform.h"

void LoadLanguageFile() {
  SharedLineCounter = 0;
  const std::string path = std::string("language") + platform::kPathSeparator +
                           LanguageName + ".txt";
  // A missing file is no failure: the table simply stays empty.
  ReadTextFileIntoTable(path, LanguageTable, SharedLineCounter);
  LanguageLinesStored = SharedLineCounter;
  // The local version file is read next, with the same counter.
  SharedLineCounter = 0;
}
