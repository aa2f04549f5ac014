// Downloads meeting symbolic links and file modes (POSIX only).
#include <sys/stat.h>

#include <filesystem>

#include "tests/check/fetch_fixture.h"

namespace {

using test_server::ScriptedServer;
using test_server::Send;

TEST_F(FetchTest, ReplacesALinkAtTheTargetInsteadOfWritingThroughIt) {
  const auto victim = folder_.Folder() / "victim.txt";
  test_server::WriteWholeFile(victim, "keep me");
  std::filesystem::create_symlink(victim, Target());
  ScriptedServer server(
      {Send("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew")});
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
  EXPECT_EQ(test_server::ReadWholeFile(victim), "keep me");
  EXPECT_FALSE(std::filesystem::is_symlink(Target()));
  EXPECT_EQ(test_server::ReadWholeFile(Target()), "new");
}

TEST_F(FetchTest, WritesFilesThatOnlyTheOwnerCanRead) {
  ScriptedServer server(
      {Send("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew")});
  ASSERT_EQ(Fetch(server.Url("/f.txt")), 1);
  struct stat status;
  ASSERT_EQ(stat(Target().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
}

}  // namespace
