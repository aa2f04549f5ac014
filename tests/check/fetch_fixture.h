// A download into a folder of its own, against the scripted server.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "check/http_fetch.h"
#include "tests/support/scripted_server.h"
#include "tests/support/test_environment.h"

class FetchTest : public ::testing::Test {
 public:
  void SetUp() override { ASSERT_EQ(StartNetwork(), 1); }
  void TearDown() override { EndNetwork(); }

  std::string Target() const { return (folder_.Folder() / "out.txt").string(); }

  int Fetch(const std::string& url) {
    const auto start = std::chrono::steady_clock::now();
    const int result = FetchHttpFile(url.c_str(), Target().c_str());
    seconds_ =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
            .count();
    return result;
  }

  // What the folder holds besides nothing: the target's content, or
  // "<none>" when the folder is empty. Anything else fails the test.
  std::string TargetContent() const {
    const auto entries = test_server::FolderEntries(folder_.Folder());
    if (entries.empty()) return "<none>";
    EXPECT_EQ(entries, std::vector<std::string>{"out.txt"});
    return test_server::ReadWholeFile(Target());
  }

  double Seconds() const { return seconds_; }

  test_server::TemporaryDirectoryScope folder_;
  double seconds_ = 0;
};
