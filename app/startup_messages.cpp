#include "app/startup_messages.h"

#include "data/run_mode.h"
#include "data/tables.h"
#include "platform/platform.h"
#include "ui/language_texts.h"

void ShowStartupFailure(int textLine) {
  if (!IsInteractiveMode()) return;
  const std::string* title = LanguageLinesStored > kErrorHeadingLine
                                 ? &LanguageTable[kErrorHeadingLine]
                                 : nullptr;
  platform::ShowMessageBox(title, LanguageTable[textLine]);
}
