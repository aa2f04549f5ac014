#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

TEST(CommandLine, Splitting) {
  struct Case {
    std::string line;
    std::string mode;
    std::string language;
  };
  const Case cases[] = {
      {"", "", "English"},
      {"quorvel", "", "English"},
      {"quorvel German", "German", "English"},
      {"quorvel \"\" German", "", "German"},
      {"quorvel 1", "1", "English"},
      {"quorvel 1 German", "1", "German"},
      {"quorvel \"1\" German", "1", "German"},
      {"quorvel \"1\"German", "1", "German"},
      {"quorvel \"\"\"German\"", "", "German"},
      {"quorvel 01", "01", "English"},
      {"quorvel \" 1\"", " 1", "English"},
      {"quorvel 1\tGerman", "1\tGerman", "English"},
      {"quorvel 1 German French", "1", "German"},
      {"quorvel 1 \"\"", "1", "English"},
      {"quorvel    1     German   ", "1", "German"},
      {"\"C:\\Program Files\\quorvel.exe\" 1 German", "1", "German"},
      {"quorvel a\"b c\"", "a\"b", "c\""},
      {"quorvel \"open quote German", "open quote German", "English"},
      {"quorvel \"", "", "English"},
      {"quorvel x \"Deutsch (Schweiz)\"", "x", "Deutsch (Schweiz)"},
      {"\"quorvel\"1 German", "1", "German"},
      {"  quorvel 1", "1", "English"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE("line: " + example.line);
    const CommandLineParameters parameters = SplitCommandLine(example.line);
    EXPECT_EQ(parameters.mode, example.mode);
    EXPECT_EQ(parameters.language, example.language);
  }
}

}  // namespace
