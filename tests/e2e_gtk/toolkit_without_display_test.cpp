// The parts of the GTK toolkit that need no display: texts shown as UTF-8,
// the font pixel height rule, and starting programs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/gtk/display_text.h"
#include "platform/gtk/fonts.h"
#include "platform/platform.h"

namespace {

using platform::gtk::DisplayText;

TEST(DisplayTextTest, ValidUtf8StaysAndAnythingElseIsWindows1252) {
  struct Case {
    std::string bytes;
    std::string shown;
  } cases[] = {
      {"", ""},
      {"Check now", "Check now"},
      {"Schlie\xC3\x9F"
       "en",
       "Schlie\xC3\x9F"
       "en"},  // already UTF-8
      {"Schlie\xDF"
       "en",
       "Schlie\xC3\x9F"
       "en"},  // Windows-1252 ß
      {"\x84Jetzt\x93", "\xE2\x80\x9EJetzt\xE2\x80\x9C"},
      {"\x80 5", "\xE2\x82\xAC 5"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      // One invalid byte makes the whole text Windows-1252.
      {"\xC3\xA4 \xE4", "\xC3\x83\xC2\xA4 \xC3\xA4"},
      {"line\nnext", "line\nnext"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayText(c.bytes), c.shown) << c.bytes;
  }
}

TEST(FontTest, CharacterHeightIsPointsTimesDpiOver72) {
  // Without a display the resolution is the usual 96 dots per inch.
  struct Case {
    int points;
    bool bold;
    bool underline;
    int pixels;
  } cases[] = {{12, true, false, 16},
               {7, true, false, 9},
               {15, true, true, 20},
               {8, false, false, 11}};
  for (const Case& c : cases) {
    platform::Font* font = platform::CreateFontObject(
        {"Font", "Arial", c.points, c.bold, c.underline});
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(pango_font_description_get_size(font->description),
              c.pixels * PANGO_SCALE);
    EXPECT_TRUE(pango_font_description_get_size_is_absolute(font->description));
    EXPECT_EQ(pango_font_description_get_weight(font->description),
              c.bold ? 700 : 400);
    EXPECT_EQ(font->underline, c.underline);
    platform::ReleaseFont(font);
  }
  EXPECT_EQ(platform::CreateFontObject({"Font", "Arial", 0, false, false}),
            nullptr);
}

class StartProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("quorvel-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // A program that leaves a mark, so that its start can be seen.
  std::string Program(const std::string& name) {
    std::filesystem::path program = folder_ / name;
    std::ofstream(program) << "#!/bin/sh\ntouch \"" << Mark() << "\"\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    return program.string();
  }
  std::string Mark() const { return (folder_ / "started").string(); }
  bool Started() const {
    for (int i = 0; i < 100 && !std::filesystem::exists(Mark()); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::filesystem::exists(Mark());
  }

  std::filesystem::path folder_;
};

TEST_F(StartProgramTest, StartsTheProgramOfAQuotedCommandLine) {
  std::string program = Program("an update.sh");
  EXPECT_TRUE(platform::StartProgram("\"" + program + "\""));
  EXPECT_TRUE(Started());
}

TEST_F(StartProgramTest, RefusesWhatIsNoProgram) {
  std::ofstream(folder_ / "notes.txt") << "not a program\n";
  for (const std::string& commandLine :
       {std::string("\"http://127.0.0.1:9/release.zip\""),
        "\"" + (folder_ / "notes.txt").string() + "\"",
        "\"" + folder_.string() + "\"", std::string("\"\""), std::string("")}) {
    EXPECT_FALSE(platform::StartProgram(commandLine)) << commandLine;
  }
}

}  // namespace
