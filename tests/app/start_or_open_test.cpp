// How StartOrOpen hands a text to the system.
#include "ui/start_or_open.h"

#include <gtest/gtest.h>

namespace {

TEST(StartOrOpenTest, ProgramsAreQuotedUnlessAlreadyQuoted) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Setup\\setup.exe", "\"C:\\Setup\\setup.exe\""},
      {"http://x.example/a b", "\"http://x.example/a b\""},
      {"\"C:\\a b\\s.exe\" /S", "\"C:\\a b\\s.exe\" /S"},
      {"", "\"\""},
  };
  for (const auto& [text, commandLine] : cases) {
    EXPECT_EQ(ProgramCommandLine(text), commandLine) << text;
  }
}

TEST(StartOrOpenTest, DocumentsOpenInTheFolderUpToTheLastBackslash) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"C:\\Downloads\\new\\setup.exe", "C:\\Downloads\\new\\"},
      {"a\\", "a\\"},
      {"\\setup.exe", std::nullopt},  // only the first character
      {"\\\\server\\share", "\\\\server\\"},
      {"https://www.quorvel.example/", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, folder] : cases) {
    EXPECT_EQ(DocumentFolder(text), folder) << text;
  }
}

}  // namespace
