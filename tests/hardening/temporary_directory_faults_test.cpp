// A whole update check when its temporary directory is missing, not a
// folder, read-only, full, or holds planted symbolic links. Each fault gets
// one defined outcome, and no file of the check remains.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "check/http_fetch.h"
#include "data/tables.h"
#include "tests/hardening/answers.h"
#include "tests/hardening/check_outcome.h"
#include "tests/hardening/other_user.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"

namespace {

namespace fs = std::filesystem;
using test_server::Send;

const std::string kChangeLog(4096, 'c');

// A publisher with an update and a change log, both good.
class Publisher {
 public:
  Publisher() {
    server_.Answer("/version.txt", {Send(OkWithLength(VersionFile()))});
    server_.Answer("/changes.txt", {Send(OkWithLength(kChangeLog))});
  }
  std::string VersionFile() const {
    return "102\r\nhttp://example.invalid/setup.exe\r\n" +
           server_.Url("/changes.txt") + "\r\n";
  }
  // Runs a whole muted check against this server with tmp set to folder:
  // its outcome code, or kFoundUpdate.
  int Check(const fs::path& folder) {
    test_server::UnsetEnvironment("TMP");
    test_server::SetEnvironment("tmp", folder.string());
    return RunMutedCheck(server_.Url("/version.txt"));
  }
  std::size_t Requests() const { return server_.Requests().size(); }

 private:
  test_server::ScriptedServer server_;
};

class TemporaryDirectoryFaults : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(StartNetwork(), 1); }
  void TearDown() override {
    EndNetwork();
    fs::remove_all(folder_);
  }
  const fs::path folder_ = test_server::NewTestFolder();
};

TEST_F(TemporaryDirectoryFaults, NoPlaceForTheFileEndsWithOutcome1) {
  test_server::WriteWholeFile(folder_ / "a-file", "not a folder");
  const fs::path places[] = {folder_ / "missing" / "deeper",
                             folder_ / "a-file" / "under-it",
                             folder_ / "a-file"};
  for (const fs::path& place : places) {
    SCOPED_TRACE(place);
    Publisher publisher;
    EXPECT_EQ(publisher.Check(place), 1);
    EXPECT_EQ(publisher.Requests(), 0u) << "nothing is fetched for nowhere";
  }
  EXPECT_EQ(test_server::FolderEntries(folder_),
            std::vector<std::string>{"a-file"});
  EXPECT_EQ(test_server::ReadWholeFile(folder_ / "a-file"), "not a folder");
}

TEST_F(TemporaryDirectoryFaults, ReadOnlyFolderEndsWithOutcome1) {
  const auto checkAsNobody = [](const fs::path& temporary) {
    // The server lives in the child: a fork carries only the calling thread.
    return RunAsNobody([&temporary] {
      Publisher publisher;
      const int end = publisher.Check(temporary);
      return end == 1 && publisher.Requests() != 0 ? 99 : end;
    });
  };
  const fs::path readOnly = folder_ / "read-only";
  const fs::path writable = folder_ / "writable";
  fs::create_directory(readOnly);
  fs::create_directory(writable);
  fs::permissions(readOnly, fs::perms::all & ~fs::perms::owner_write &
                                ~fs::perms::group_write &
                                ~fs::perms::others_write);
  fs::permissions(writable, fs::perms::all);

  EXPECT_EQ(checkAsNobody(readOnly), 1);
  EXPECT_TRUE(test_server::FolderEntries(readOnly).empty());
  // The same user with a folder it may write to finds the update.
  EXPECT_EQ(checkAsNobody(writable), kFoundUpdate);
  EXPECT_TRUE(test_server::FolderEntries(writable).empty());
}

// Lets this process write files of at most `bytes` bytes: a write beyond
// fails as on a full disk (EFBIG instead of ENOSPC) rather than raising
// SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedSignal_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, savedSignal_);
  }

 private:
  rlimit saved_{};
  sighandler_t savedSignal_;
};

TEST_F(TemporaryDirectoryFaults, FullDiskFailsTheDownloadItHits) {
  Publisher publisher;
  {
    // Too small for the version file.
    FileSizeLimit limit(16);
    EXPECT_EQ(publisher.Check(folder_), 1);
  }
  EXPECT_TRUE(test_server::FolderEntries(folder_).empty());
  {
    // Room for the version file, not for the change log.
    FileSizeLimit limit(publisher.VersionFile().size() + 16);
    EXPECT_EQ(publisher.Check(folder_), 5);
  }
  EXPECT_TRUE(test_server::FolderEntries(folder_).empty());
  EXPECT_EQ(publisher.Check(folder_), kFoundUpdate);
  EXPECT_TRUE(test_server::FolderEntries(folder_).empty());
}

// A real full disk where the system lets this process mount one: a small
// memory file system, filled to the last byte before the check.
TEST_F(TemporaryDirectoryFaults, FullFileSystemEndsWithOutcome1) {
  const fs::path small = folder_ / "small";
  fs::create_directory(small);
  if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here: "
                 << std::strerror(errno);
  }
  struct Unmount {
    const fs::path& point;
    ~Unmount() { umount(point.c_str()); }
  } unmount{small};
  {
    std::ofstream filler(small / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) {
    }
  }
  Publisher publisher;
  EXPECT_EQ(publisher.Check(small), 1);
  EXPECT_EQ(test_server::FolderEntries(small),
            std::vector<std::string>{"filler"});
  fs::remove(small / "filler");
  EXPECT_EQ(publisher.Check(small), kFoundUpdate);
  EXPECT_TRUE(test_server::FolderEntries(small).empty());
}

TEST_F(TemporaryDirectoryFaults, PlantedSymbolicLinksAreNeverFollowed) {
  const fs::path temporary = folder_ / "tmp";
  fs::create_directory(temporary);
  const fs::path victim = folder_ / "victim.txt";
  test_server::WriteWholeFile(victim, "keep me");
  // Links at the names a download could take: the URL's file part alone, with
  // the program's prefix, and a dangling one whose target must not appear.
  const std::vector<std::string> planted = {
      "changes.txt", "quorvel-changes.txt", "quorvel-version.txt",
      "version.txt"};
  for (const std::string& name : planted) {
    fs::create_symlink(
        name == "quorvel-changes.txt" ? folder_ / "appeared" : victim,
        temporary / name);
  }

  Publisher publisher;
  EXPECT_EQ(publisher.Check(temporary), kFoundUpdate);
  EXPECT_EQ(ChangeLog[0], kChangeLog);
  EXPECT_EQ(test_server::ReadWholeFile(victim), "keep me");
  EXPECT_FALSE(fs::exists(folder_ / "appeared"));
  EXPECT_EQ(test_server::FolderEntries(temporary), planted);
}

}  // namespace
