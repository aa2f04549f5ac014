// Downloads that wait out the 10-second read time-out.
#include "tests/check/fetch_fixture.h"

namespace {

using test_server::Hold;
using test_server::ScriptedServer;
using test_server::Send;

// A wait of 10 whole seconds of the clock lasts 9 to 10 seconds.
constexpr double kShortestWait = 8.9;
constexpr double kLongestWait = 11.0;

TEST_F(FetchTest, GivesUpOnAServerThatNeverAnswers) {
  ScriptedServer server({Hold()});
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 0);
  EXPECT_GE(Seconds(), kShortestWait);
  EXPECT_LT(Seconds(), kLongestWait);
  EXPECT_EQ(TargetContent(), "<none>");
}

TEST_F(FetchTest, EndsAnEndOfSendingBodyWhenNothingMoreComes) {
  ScriptedServer server({Send("HTTP/1.1 200 OK\r\n\r\npartial"), Hold()});
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
  EXPECT_GE(Seconds(), kShortestWait);
  EXPECT_LT(Seconds(), kLongestWait);
  EXPECT_EQ(TargetContent(), "partial");
}

}  // namespace
