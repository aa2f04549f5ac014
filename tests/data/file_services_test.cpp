#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "tests/data/scratch_directory.h"

namespace {

class FileServices : public ::testing::Test {
 protected:
  ScratchDirectory scratch_;
};

std::string ReadAll(platform::File* file) {
  std::string bytes;
  for (int byte = platform::ReadFileByte(file); byte >= 0;
       byte = platform::ReadFileByte(file)) {
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

TEST_F(FileServices, WrittenBytesReadBackExactly) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i) {
    bytes += static_cast<char>(i % 256);
  }
  platform::File* out = platform::CreateNewFile("data.bin");
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(platform::WriteFileBytes(out, bytes.data(), bytes.size()));
  platform::CloseFile(out);

  platform::File* in = platform::OpenFileForReading("data.bin");
  ASSERT_NE(in, nullptr);
  EXPECT_FALSE(platform::AtEndOfFile(in));
  EXPECT_EQ(ReadAll(in), bytes);
  EXPECT_TRUE(platform::AtEndOfFile(in));
  EXPECT_EQ(platform::ReadFileByte(in), -1);
  platform::CloseFile(in);
}

TEST_F(FileServices, EmptyFileIsAtItsEnd) {
  WriteBytes("empty.txt", "");
  platform::File* in = platform::OpenFileForReading("empty.txt");
  ASSERT_NE(in, nullptr);
  EXPECT_TRUE(platform::AtEndOfFile(in));
  platform::CloseFile(in);
  platform::CloseFile(nullptr);
}

TEST_F(FileServices, OpenRefusesWhatIsNoFile) {
  std::filesystem::create_directory("folder");
  EXPECT_EQ(platform::OpenFileForReading("missing.txt"), nullptr);
  EXPECT_EQ(platform::OpenFileForReading("folder"), nullptr);
  EXPECT_EQ(platform::OpenFileForReading(""), nullptr);
}

TEST_F(FileServices, CreateNewFileNeverReplaces) {
  WriteBytes("taken.txt", "keep me");
  std::filesystem::create_directory("folder");
  EXPECT_EQ(platform::CreateNewFile("taken.txt"), nullptr);
  EXPECT_EQ(platform::CreateNewFile("folder"), nullptr);
  EXPECT_EQ(platform::CreateNewFile("no folder/file.txt"), nullptr);
  EXPECT_EQ(ReadBytes("taken.txt"), "keep me");
}

TEST_F(FileServices, MoveReplacesAndDeleteRemoves) {
  WriteBytes("new.txt", "new");
  WriteBytes("old.txt", "old");
  EXPECT_TRUE(platform::MoveFileIntoPlace("new.txt", "old.txt"));
  EXPECT_EQ(ReadBytes("old.txt"), "new");
  EXPECT_FALSE(std::filesystem::exists("new.txt"));
  EXPECT_FALSE(platform::MoveFileIntoPlace("new.txt", "old.txt"));

  EXPECT_TRUE(platform::DeleteFileAt("old.txt"));
  EXPECT_FALSE(std::filesystem::exists("old.txt"));
  EXPECT_TRUE(platform::DeleteFileAt("old.txt"));  // already gone
}

}  // namespace
