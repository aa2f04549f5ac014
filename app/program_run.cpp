#include "app/program_run.h"

#include "app/banner.h"
#include "app/command_line.h"
#include "app/fonts.h"
#include "app/startup_messages.h"
#include "check/http_fetch.h"
#include "check/update_check.h"
#include "data/language_file.h"
#include "data/local_version_file.h"
#include "data/run_mode.h"
#include "data/tables.h"
#include "ui/language_texts.h"
#include "ui/main_window.h"
#include "ui/window_numbers.h"
#include "ui/window_resources.h"

namespace {

void ReadCommandLine() {
  CommandLineParameters parameters =
      SplitCommandLine(platform::CommandLineText());
  ModeParameter = parameters.mode;
  LanguageName = parameters.language;  // already "English" when empty
}

// Start-up in its order; true when it got as far as opening the main window
// (which is open still when this returns), false when it ended earlier.
bool StartUpAndRun() {
  platform::StartToolkit();
  ResetTables();
  ReadCommandLine();
  LoadLanguageFile();
  if (LoadLocalVersionFile() == 0) {
    ShowStartupFailure(kLocalVersionFileMissingLine);
    return false;
  }
  if (!CreateFonts()) return false;
  DecodeBanner();
  if (IsSilentMode() && RunUpdateCheck() == 0) return false;
  RunMainWindow();
  return true;
}

// The same for every way a run ends. No file is open any more: each reader
// closes its file before it returns.
void ShutDown(bool mainWindowOpen) {
  EndNetwork();
  if (mainWindowOpen) platform::CloseWindow(kMainWindow);
  ReleaseBanner();
  ReleaseFonts();
  platform::EndToolkit();
}

}  // namespace

void RunProgram() { ShutDown(StartUpAndRun()); }
