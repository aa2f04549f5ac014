// File faults and process services that only POSIX systems have: FIFOs,
// symbolic links, file modes, argv and the environment's letter case.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "data/language_file.h"
#include "data/local_version_file.h"
#include "data/tables.h"
#include "platform/platform.h"
#include "tests/data/scratch_directory.h"

namespace {

// An open that blocked would hang the test: the alarm ends it instead.
constexpr unsigned kHangSeconds = 10;

class PosixFileFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTables();
    LanguageName = "English";
    alarm(kHangSeconds);
  }
  void TearDown() override { alarm(0); }
  ScratchDirectory scratch_;
};

TEST_F(PosixFileFaults, FifoDataFilesAreRefusedWithoutBlocking) {
  ASSERT_EQ(mkfifo("localversion.txt", 0600), 0);
  std::filesystem::create_directory("language");
  ASSERT_EQ(mkfifo("language/English.txt", 0600), 0);
  LoadLanguageFile();
  EXPECT_EQ(LanguageLinesStored, 0);
  EXPECT_EQ(LoadLocalVersionFile(), 0);
}

TEST_F(PosixFileFaults, DevicesAreRefused) {
  EXPECT_EQ(platform::OpenFileForReading("/dev/null"), nullptr);
  EXPECT_EQ(platform::OpenFileForReading("/dev/zero"), nullptr);
}

TEST_F(PosixFileFaults, SymbolicLinkToAFileIsRead) {
  WriteBytes("real.txt", "Product\n101\n");
  std::filesystem::create_symlink("real.txt", "localversion.txt");
  EXPECT_EQ(LoadLocalVersionFile(), 1);
  EXPECT_EQ(LocalVersionInfo[1], "101");
}

TEST_F(PosixFileFaults, PermissionsAreHonoured) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "root reads and writes everywhere";
  }
  WriteBytes("localversion.txt", "Product\n");
  std::filesystem::permissions("localversion.txt",
                               std::filesystem::perms::none);
  EXPECT_EQ(LoadLocalVersionFile(), 0);

  std::filesystem::create_directory("read-only");
  std::filesystem::permissions(
      "read-only",
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_EQ(platform::CreateNewFile("read-only/download.txt"), nullptr);
  std::filesystem::permissions("read-only", std::filesystem::perms::owner_all);
}

TEST_F(PosixFileFaults, CreateNewFileNeverFollowsASymbolicLink) {
  WriteBytes("target.txt", "keep me");
  std::filesystem::create_symlink("target.txt", "planted");
  std::filesystem::create_symlink("absent.txt", "dangling");
  EXPECT_EQ(platform::CreateNewFile("planted"), nullptr);
  EXPECT_EQ(platform::CreateNewFile("dangling"), nullptr);
  EXPECT_EQ(ReadBytes("target.txt"), "keep me");
  EXPECT_FALSE(std::filesystem::exists("absent.txt"));
}

TEST_F(PosixFileFaults, NewFilesAreOwnerOnly) {
  platform::File* file = platform::CreateNewFile("private.txt");
  ASSERT_NE(file, nullptr);
  platform::CloseFile(file);
  struct stat status;
  ASSERT_EQ(stat("private.txt", &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
}

// Sets or clears environment variables for one test, restoring them after.
class EnvironmentOverride {
 public:
  void Set(const std::string& name, std::optional<std::string> value) {
    const char* old = getenv(name.c_str());
    saved_.push_back(
        {name, old ? std::optional<std::string>(old) : std::nullopt});
    Apply(name, value);
  }
  ~EnvironmentOverride() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      Apply(it->first, it->second);
    }
  }

 private:
  static void Apply(const std::string& name,
                    const std::optional<std::string>& value) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(PosixProcess, TemporaryDirectoryOrder) {
  struct Case {
    const char* name;
    std::optional<std::string> tmp, upperTmp, mixedTmp, tmpdir;
    std::string folder;
  };
  const Case cases[] = {
      {"tmp", "/t/lower", std::nullopt, std::nullopt, "/t/dir", "/t/lower"},
      {"TMP", std::nullopt, "/t/upper/", std::nullopt, "/t/dir", "/t/upper"},
      {"Tmp", std::nullopt, std::nullopt, "/t/mixed", std::nullopt, "/t/mixed"},
      {"TMPDIR", std::nullopt, std::nullopt, std::nullopt, "/t/dir//",
       "/t/dir"},
      {"empty tmp", "", std::nullopt, std::nullopt, "/t/dir", "/t/dir"},
      {"empty tmp beside TMP", "", "/t/upper", std::nullopt, "/t/dir",
       "/t/upper"},
      {"nothing set", std::nullopt, std::nullopt, std::nullopt, std::nullopt,
       "/tmp"},
      {"root", "/", std::nullopt, std::nullopt, std::nullopt, "/"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.name);
    EnvironmentOverride environment;
    environment.Set("tmp", example.tmp);
    environment.Set("TMP", example.upperTmp);
    environment.Set("Tmp", example.mixedTmp);
    environment.Set("TMPDIR", example.tmpdir);
    EXPECT_EQ(platform::TemporaryDirectory(), example.folder);
  }
}

TEST(PosixProcess, EnvironmentVariable) {
  EnvironmentOverride environment;
  environment.Set("QUORVEL_TEST_VALUE", "a b");
  environment.Set("QUORVEL_TEST_UNSET", std::nullopt);
  EXPECT_EQ(platform::EnvironmentVariable("QUORVEL_TEST_VALUE"), "a b");
  EXPECT_EQ(platform::EnvironmentVariable("quorvel_test_value"), "");
  EXPECT_EQ(platform::EnvironmentVariable("QUORVEL_TEST_UNSET"), "");
}

// The joined command line splits back into the arguments the program got.
TEST(PosixProcess, CommandLineTextRoundTrip) {
  struct Case {
    std::vector<std::string> argv;
    std::string text;
    std::string mode;
    std::string language;
  };
  const Case cases[] = {
      {{"./quorvel"}, "./quorvel", "", "English"},
      {{"./quorvel", "", "German"}, "./quorvel \"\" German", "", "German"},
      {{"./quorvel", "1", "German", "x"},
       "./quorvel 1 German x",
       "1",
       "German"},
      {{"/opt/my app/quorvel", " 1", "Deutsch (Schweiz)"},
       "\"/opt/my app/quorvel\" \" 1\" \"Deutsch (Schweiz)\"",
       " 1",
       "Deutsch (Schweiz)"},
      {{"quorvel", "1\tGerman"}, "quorvel 1\tGerman", "1\tGerman", "English"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.text);
    std::vector<char*> argv;
    for (const std::string& argument : example.argv) {
      argv.push_back(const_cast<char*>(argument.c_str()));
    }
    platform::StartProcess(static_cast<int>(argv.size()), argv.data());
    const std::string text = platform::CommandLineText();
    EXPECT_EQ(text, example.text);
    const CommandLineParameters parameters = SplitCommandLine(text);
    EXPECT_EQ(parameters.mode, example.mode);
    EXPECT_EQ(parameters.language, example.language);
  }
}

}  // namespace
