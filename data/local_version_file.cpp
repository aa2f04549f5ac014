#include "data/local_version_file.h"

#include "data/tables.h"
#include "data/text_lines.h"

int LoadLocalVersionFile() {
  SharedLineCounter = 0;
  return ReadTextFileIntoTable("localversion.txt", LocalVersionInfo,
                               SharedLineCounter)
             ? 1
             : 0;
}
