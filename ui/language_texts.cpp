#include "ui/language_texts.h"

#include "data/tables.h"

std::string LanguageLinesJoined(std::initializer_list<int> lines) {
  std::string text;
  bool first = true;
  for (int line : lines) {
    if (!first) text += '\n';
    text += LanguageTable[line];
    first = false;
  }
  return text;
}

std::string StatusLine(int line) {
  return LanguageTable[kStatusHeadingLine] + " " + LanguageTable[line];
}
