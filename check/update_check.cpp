#include "check/update_check.h"

#include <cstdint>
#include <span>
#include <string>

#include "check/http_fetch.h"
#include "check/temporary_path.h"
#include "data/run_mode.h"
#include "data/tables.h"
#include "data/text_lines.h"
#include "data/versions.h"
#include "platform/platform.h"
#include "ui/check_display.h"

namespace {

constexpr int kInteractivePauseMilliseconds = 250;
constexpr int kQuietPauseMilliseconds = 150;
constexpr std::string_view kNoChangeLog = "NONE";

// The ways a check ends without an update.
enum Outcome {
  kNetworkFailed = 0,
  kVersionDownloadFailed = 1,
  kVersionFileUnreadable = 2,
  kLatestVersionInvalid = 3,
  kNoUpdate = 4,
  kChangeLogDownloadFailed = 5,
  kChangeLogUnreadable = 6,
};

int EndWithOutcome(Outcome outcome) {
  ReportCheckFailure(outcome);
  return 0;
}

void ReportStep(int step, int percent) {
  ReportCheckStep(step, percent);
  StepPause();
}

// Downloads url into a new file of its own in the temporary directory. Its
// path, or empty when the download failed; nothing is left behind then.
std::string DownloadToTemporaryFile(const std::string& url) {
  const std::string path = ReserveTemporaryFile(url);
  if (path.empty()) {
    return {};
  }
  if (FetchHttpFile(url.c_str(), path.c_str()) == 0) {
    platform::DeleteFileAt(path);
    return {};
  }
  return path;
}

// Reads the downloaded file into table by the line reading rule, pauses,
// and deletes it. False when it cannot be opened (it is deleted all the
// same).
template <typename Counter>
bool ReadDownloadedFile(const std::string& path, std::span<std::string> table,
                        Counter& counter) {
  platform::File* file = platform::OpenFileForReading(path);
  if (file == nullptr) {
    platform::DeleteFileAt(path);
    return false;
  }
  ReadLinesIntoTable(file, table, counter);
  platform::CloseFile(file);
  StepPause();
  platform::DeleteFileAt(path);
  return true;
}

}  // namespace

void StepPause() {
  platform::SleepMilliseconds(IsInteractiveMode()
                                  ? kInteractivePauseMilliseconds
                                  : kQuietPauseMilliseconds);
}

int RunUpdateCheck() {
  ReportStep(0, 0);
  if (StartNetwork() == 0) {
    return EndWithOutcome(kNetworkFailed);
  }
  ReportStep(1, 20);
  const std::string versionPath = DownloadToTemporaryFile(LocalVersionInfo[2]);
  if (versionPath.empty()) {
    return EndWithOutcome(kVersionDownloadFailed);
  }
  ReportStep(2, 40);
  std::int32_t remoteLineCounter = 0;
  if (!ReadDownloadedFile(versionPath, RemoteVersionInfo, remoteLineCounter)) {
    return EndWithOutcome(kVersionFileUnreadable);
  }
  ReportStep(3, 60);
  if (!IsValidVersion(RemoteVersionInfo[0])) {
    return EndWithOutcome(kLatestVersionInvalid);
  }
  ReportStep(4, 80);
  if (!IsUpdate(LocalVersionInfo[1], RemoteVersionInfo[0])) {
    return EndWithOutcome(kNoUpdate);
  }
  if (RemoteVersionInfo[2] == kNoChangeLog) {
    return 1;
  }
  ReportStep(5, 90);
  const std::string changeLogPath =
      DownloadToTemporaryFile(RemoteVersionInfo[2]);
  if (changeLogPath.empty()) {
    return EndWithOutcome(kChangeLogDownloadFailed);
  }
  ReportStep(6, 95);
  ChangeLogCount = 0;
  if (!ReadDownloadedFile(changeLogPath, ChangeLog, ChangeLogCount)) {
    return EndWithOutcome(kChangeLogUnreadable);
  }
  return 1;
}
