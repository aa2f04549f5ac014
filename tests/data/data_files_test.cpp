#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/language_file.h"
#include "data/local_version_file.h"
#include "data/tables.h"
#include "platform/platform.h"
#include "tests/data/scratch_directory.h"

namespace {

std::filesystem::path LanguagePath(const std::string& name) {
  return std::filesystem::path("language") / (name + ".txt");
}

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTables();
    LanguageName = "English";
  }
  ScratchDirectory scratch_;
};

TEST_F(DataFiles, LanguageFileFillsTableAndCountsLines) {
  WriteBytes(LanguagePath("German"), "Fehler\r\n\r\nZeile 2 \r\nletzte");
  LanguageName = "German";
  LoadLanguageFile();
  EXPECT_EQ(LanguageTable[0], "Fehler");
  EXPECT_EQ(LanguageTable[1], "");
  EXPECT_EQ(LanguageTable[2], "Zeile 2 ");
  EXPECT_EQ(LanguageTable[3], "letzte");
  EXPECT_EQ(LanguageTable[4], "");
  EXPECT_EQ(LanguageLinesStored, 4);
  EXPECT_EQ(SharedLineCounter, 0);
}

TEST_F(DataFiles, MissingLanguageFileLeavesTableEmpty) {
  WriteBytes(LanguagePath("English"), "Error\n");
  const std::string missing[] = {"german", "Deutsch", ""};
  for (const std::string& name : missing) {
    SCOPED_TRACE("language: " + name);
    ResetTables();
    LanguageName = name;
    LoadLanguageFile();
    EXPECT_EQ(LanguageLinesStored, 0);
    EXPECT_EQ(LanguageTable[0], "");
    EXPECT_EQ(SharedLineCounter, 0);
  }
}

TEST_F(DataFiles, LanguageFileBeyond51LinesKeepsFirst51) {
  std::string bytes;
  for (int i = 0; i < 80; ++i) {
    bytes += "text " + std::to_string(i) + "\n";
  }
  WriteBytes(LanguagePath("English"), bytes);
  LoadLanguageFile();
  EXPECT_EQ(LanguageLinesStored, 51);
  EXPECT_EQ(LanguageTable[50], "text 50");
  EXPECT_EQ(SharedLineCounter, 0);
}

TEST_F(DataFiles, EmptyLanguageFileStoresNoLine) {
  WriteBytes(LanguagePath("English"), "");
  LoadLanguageFile();
  EXPECT_EQ(LanguageLinesStored, 0);
}

TEST_F(DataFiles, LocalVersionFileLoads) {
  WriteBytes("localversion.txt",
             "\xEF\xBB\xBFMy Product\r\n101\r\nhttp://example.org/v.txt\r\n"
             "spare\r\nignored\r\n");
  EXPECT_EQ(LoadLocalVersionFile(), 1);
  EXPECT_EQ(LocalVersionInfo[0], "\xEF\xBB\xBFMy Product");
  EXPECT_EQ(LocalVersionInfo[1], "101");
  EXPECT_EQ(LocalVersionInfo[2], "http://example.org/v.txt");
  EXPECT_EQ(LocalVersionInfo[3], "spare");
  EXPECT_EQ(SharedLineCounter, 4);
}

// The language file leaves the shared counter at 0 for the local version file.
TEST_F(DataFiles, LocalVersionFileAfterLanguageFileStartsAtSlot0) {
  WriteBytes(LanguagePath("English"), "a\nb\nc\n");
  WriteBytes("localversion.txt", "Product\n101");
  LoadLanguageFile();
  EXPECT_EQ(LoadLocalVersionFile(), 1);
  EXPECT_EQ(LocalVersionInfo[0], "Product");
  EXPECT_EQ(LocalVersionInfo[1], "101");
}

TEST_F(DataFiles, LocalVersionFileMissingOrAFolderIsRefused) {
  EXPECT_EQ(LoadLocalVersionFile(), 0);
  std::filesystem::create_directory("localversion.txt");
  EXPECT_EQ(LoadLocalVersionFile(), 0);
  EXPECT_EQ(LocalVersionInfo[0], "");
}

TEST_F(DataFiles, LanguageFileAsAFolderIsRefused) {
  std::filesystem::create_directories(LanguagePath("English"));
  LoadLanguageFile();
  EXPECT_EQ(LanguageLinesStored, 0);
}

// The shipped language files: every role filled, short enough for the
// window, and German in single bytes.
TEST(LanguagePack, ShippedFilesFitTheWindow) {
  for (const std::string name : {"English", "German"}) {
    SCOPED_TRACE(name);
    ResetTables();
    LanguageName = name;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(QUORVEL_SOURCE_DIR);
    LoadLanguageFile();
    std::filesystem::current_path(previous);

    ASSERT_EQ(LanguageLinesStored, 51);
    for (int line = 0; line <= 47; ++line) {
      EXPECT_FALSE(LanguageTable[line].empty()) << "line " << line;
    }
    for (int line = 48; line <= 50; ++line) {
      EXPECT_TRUE(LanguageTable[line].empty()) << "line " << line;
    }
    EXPECT_EQ(LanguageTable[42].back(), ' ');
    EXPECT_EQ(LanguageTable[43].back(), ' ');
    // The status line is one line of a 280-pixel caption.
    for (int line = 34; line <= 41; ++line) {
      EXPECT_LE((LanguageTable[33] + " " + LanguageTable[line]).size(), 36u)
          << "line " << line;
    }
    // Info texts are lines of a 270-pixel box.
    for (int line = 6; line <= 32; ++line) {
      EXPECT_LE(LanguageTable[line].size(), 38u) << "line " << line;
    }
    for (const std::string& text : LanguageTable) {
      for (const char byte : text) {
        // No UTF-8 lead byte of a two-byte letter: the texts are Windows-1252.
        EXPECT_NE(static_cast<unsigned char>(byte), 0xC3) << text;
      }
    }
  }
  EXPECT_NE(LanguageTable[47].find('\xDF'), std::string::npos);  // Schließen
}

}  // namespace
