// The Windows services whose behaviour is Windows' own: letter case of
// environment names, the temporary folder, sharing and device names.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

namespace {

TEST(Win32Services, TmpVariableInAnyLetterCaseWithoutTrailingSeparator) {
  char saved[MAX_PATH + 1] = "";
  const bool hadTmp = GetEnvironmentVariableA("TMP", saved, sizeof saved) > 0;

  SetEnvironmentVariableA("TMP", "C:\\quorvel\\tmp\\");
  EXPECT_EQ(platform::EnvironmentVariable("tmp"), "C:\\quorvel\\tmp\\");
  EXPECT_EQ(platform::EnvironmentVariable("Tmp"), "C:\\quorvel\\tmp\\");
  EXPECT_EQ(platform::TemporaryDirectory(), "C:\\quorvel\\tmp");

  // Unset, the system's own temporary folder stands in for it.
  SetEnvironmentVariableA("TMP", nullptr);
  EXPECT_EQ(platform::EnvironmentVariable("tmp"), "");
  const std::string fallback = platform::TemporaryDirectory();
  EXPECT_FALSE(fallback.empty());
  EXPECT_NE(fallback.back(), '\\');

  SetEnvironmentVariableA("TMP", hadTmp ? saved : nullptr);
}

TEST(Win32Services, LongEnvironmentValueComesWhole) {
  const std::string value(5000, 'x');
  SetEnvironmentVariableA("QUORVEL_LONG", value.c_str());
  EXPECT_EQ(platform::EnvironmentVariable("quorvel_long"), value);
  SetEnvironmentVariableA("QUORVEL_LONG", nullptr);
}

TEST(Win32Services, CommandLineIsTheSystemsOwn) {
  EXPECT_EQ(platform::CommandLineText(), std::string(GetCommandLineA()));
}

TEST(Win32Services, DevicesAreRefusedAsFiles) {
  // A language named CON or NUL must not read from a device.
  for (const char* device : {"NUL", "CON", "nul.txt", "COM1"}) {
    platform::File* file = platform::OpenFileForReading(device);
    EXPECT_EQ(file, nullptr) << device;
    platform::CloseFile(file);
  }
}

TEST(Win32Services, ReadersShareAFileAndAWriterKeepsOthersOut) {
  const std::string path = platform::TemporaryDirectory() + "\\quorvel-share";
  platform::DeleteFileAt(path);
  platform::File* out = platform::CreateNewFile(path);
  ASSERT_NE(out, nullptr);
  ASSERT_TRUE(platform::WriteFileBytes(out, "ab", 2));
  // A second CreateNewFile fails while the first stands.
  EXPECT_EQ(platform::CreateNewFile(path), nullptr);
  platform::CloseFile(out);

  platform::File* first = platform::OpenFileForReading(path);
  platform::File* second = platform::OpenFileForReading(path);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(platform::ReadFileByte(first), 'a');
  EXPECT_EQ(platform::ReadFileByte(second), 'a');
  platform::CloseFile(first);
  platform::CloseFile(second);
  EXPECT_TRUE(platform::DeleteFileAt(path));
  EXPECT_EQ(platform::OpenFileForReading(path), nullptr);
}

TEST(Win32Services, SocketsLayerStartsOnceAndEndsOnce) {
  EXPECT_TRUE(platform::StartSockets());
  EXPECT_TRUE(platform::StartSockets());  // again: harmless
  const platform::Socket socket = platform::OpenTcpSocket();
  EXPECT_NE(socket, platform::kNoSocket);
  platform::CloseSocket(socket);
  platform::CloseSocket(platform::kNoSocket);

  std::uint32_t address = 0;
  EXPECT_TRUE(platform::ResolveIpv4Host("127.0.0.1", address));
  EXPECT_EQ(address, htonl(INADDR_LOOPBACK));
  EXPECT_FALSE(platform::ResolveIpv4Host("255.255.255.255", address));
  platform::EndSockets();
  // Ended, no socket can be made.
  EXPECT_EQ(platform::OpenTcpSocket(), platform::kNoSocket);
}

}  // namespace
