// The whole program when "localversion.txt" or the language file is a
// folder, a FIFO without a writer, unreadable, a symbolic link loop, or a
// file whose reading fails. Nothing hangs: a file that cannot be read counts
// as missing, and start-up goes on or ends as it does for a missing file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "data/tables.h"
#include "tests/data/scratch_directory.h"
#include "tests/hardening/other_user.h"
#include "tests/hardening/program_runner.h"

namespace {

namespace fs = std::filesystem;

enum class Fault { kFolder, kFifo, kUnreadable, kLinkLoop, kReadFails };

struct Case {
  const char* name;
  Fault fault;
};

const Case kCases[] = {
    {"folder", Fault::kFolder},
    {"fifo without a writer", Fault::kFifo},
    {"unreadable to its user", Fault::kUnreadable},
    {"symbolic link loop", Fault::kLinkLoop},
    // Opens as a regular file; its first read fails (nothing is mapped at
    // address 0). It reads as an empty file.
    {"reading fails", Fault::kReadFails},
};

void Plant(Fault fault, const fs::path& path) {
  switch (fault) {
    case Fault::kFolder:
      fs::create_directory(path);
      break;
    case Fault::kFifo:
      ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
      break;
    case Fault::kUnreadable:
      WriteBytes(path, "Product\n101\nhttp://127.0.0.1:1/v.txt\n");
      fs::permissions(path, fs::perms::none);
      break;
    case Fault::kLinkLoop:
      fs::create_symlink(path.filename(), path);
      break;
    case Fault::kReadFails:
      fs::create_symlink("/proc/self/mem", path);
      break;
  }
}

// Runs the program in interactive mode with the window closed at once.
// Unreadable files are met by a user that is not root.
headless::ToolkitState RunInteractive(Fault fault) {
  const ProgramRun run{{}, {"close 0"}};
  if (fault != Fault::kUnreadable) {
    return RunWholeProgram(run);
  }
  // What the child saw comes back as bits of its exit code.
  const int seen = RunAsNobody([&run] {
    const headless::ToolkitState state = RunWholeProgram(run);
    return (state.windows.empty() ? 0 : 1) | (state.messages.empty() ? 0 : 2) |
           (LanguageLinesStored == 0 ? 0 : 4);
  });
  EXPECT_GE(seen, 0) << "the child could not run as another user";
  headless::ToolkitState state;
  if (seen & 1) state.windows.emplace_back();
  if (seen & 2) state.messages.push_back({std::string("T0"), "T1"});
  LanguageLinesStored = seen & 4 ? 1 : 0;
  return state;
}

TEST(DataFileFaults, LocalVersionFileThatCannotBeReadEndsStartUp) {
  for (const Case& example : kCases) {
    SCOPED_TRACE(example.name);
    ScratchDirectory directory;
    WriteNumberedLanguageFile();
    Plant(example.fault, "localversion.txt");
    const headless::ToolkitState state = RunInteractive(example.fault);
    if (example.fault == Fault::kReadFails) {
      // Opened: the window shows an empty product and version.
      EXPECT_EQ(state.windows.size(), 1u);
      EXPECT_TRUE(state.messages.empty());
      EXPECT_EQ(LocalVersionInfo[0], "");
      continue;
    }
    EXPECT_TRUE(state.windows.empty());
    ASSERT_EQ(state.messages.size(), 1u);
    EXPECT_EQ(state.messages[0].title, std::string("T0"));
    EXPECT_EQ(state.messages[0].text, "T1");
  }
}

TEST(DataFileFaults, LanguageFileThatCannotBeReadLeavesTheTextsEmpty) {
  for (const Case& example : kCases) {
    SCOPED_TRACE(example.name);
    ScratchDirectory directory;
    WriteBytes("localversion.txt", "Product\n101\nhttp://127.0.0.1:1/v.txt\n");
    fs::create_directory("language");
    Plant(example.fault, "language/English.txt");
    const headless::ToolkitState state = RunInteractive(example.fault);
    EXPECT_EQ(state.windows.size(), 1u);
    EXPECT_TRUE(state.messages.empty());
    EXPECT_EQ(LanguageLinesStored, 0);
  }
}

}  // namespace
