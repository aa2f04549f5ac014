#include <string>
#include <vector>

#include "tests/check/fetch_fixture.h"

namespace {

using test_server::Hold;
using test_server::InPieces;
using test_server::Pause;
using test_server::Reset;
using test_server::ScriptedServer;
using test_server::Send;

// Well below the 9 to 10 seconds of a waited-out read.
constexpr double kWithoutWaitingOut = 5.0;

std::string Port(const ScriptedServer& server) {
  return std::to_string(server.Port());
}

TEST_F(FetchTest, SendsExactlyTheRequestBytes) {
  ScriptedServer server({Send("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n")});
  const std::string host = "127.0.0.1:" + Port(server);
  const struct {
    std::string url;
    std::string requestLine;
  } cases[] = {
      {"http://" + host + "/dir/version.txt", "GET /dir/version.txt HTTP/1.1"},
      {"http://user:secret@" + host + "/v.txt", "GET /v.txt HTTP/1.1"},
      {"http://" + host + "/get.php?v=1&b=2  ",
       "GET /get.php?v=1&b=2   HTTP/1.1"},
      {"http://" + host, "GET / HTTP/1.1"},
      {"http://" + host + "/", "GET / HTTP/1.1"},
      {"ftp://" + host + "/a", "GET /a HTTP/1.1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Fetch(c.url), 1) << c.url;
  }
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), std::size(cases));
  for (std::size_t i = 0; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i], cases[i].requestLine + "\r\nAccept: */*\r\nHost: " +
                               host + "\r\nConnection: close\r\n\r\n");
  }
}

struct AnswerCase {
  const char* name;
  std::string answer;
  int result;
  std::string file;  // "<none>": no file
};

void ExpectAnswers(FetchTest& test, const std::vector<AnswerCase>& cases);

TEST_F(FetchTest, AcceptsStatus200And302Only) {
  const std::string body = "Content-Length: 4\r\n\r\nbody";
  std::vector<AnswerCase> cases = {
      {"200", "HTTP/1.1 200 OK\r\n" + body, 1, "body"},
      {"HTTP/1.0", "HTTP/1.0 200 OK\r\n" + body, 1, "body"},
      {"302 not followed",
       "HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: "
       "0\r\n\r\n",
       1, ""},
      {"404", "HTTP/1.1 404 Not Found\r\n" + body, 0, "<none>"},
      {"404 saying 200", "HTTP/1.1 404 Not 200\r\n" + body, 0, "<none>"},
      {"301", "HTTP/1.1 301 Moved Permanently\r\nLocation: /x\r\n" + body, 0,
       "<none>"},
      {"garbage", std::string("\x00\xff\x01 garbage\r\n\r\nbody", 20), 0,
       "<none>"},
      {"nothing", "", 0, "<none>"},
  };
  ExpectAnswers(*this, cases);
}

TEST_F(FetchTest, DelimitsTheBodyByLengthChunksOrClose) {
  std::vector<AnswerCase> cases = {
      {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", 1,
       "hello"},
      {"length without blank",
       "HTTP/1.1 200 OK\r\ncontent-length:12\r\n\r\n123456789012", 1,
       "123456789012"},
      {"length in capitals", "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 2\r\n\r\nok",
       1, "ok"},
      {"bare LF head", "HTTP/1.1 200 OK\nContent-Length: 3\n\nabc", 1, "abc"},
      {"chunked",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "5\r\nhello\r\n7;ext=1\r\n, world\r\n0\r\n\r\n",
       1, "hello, world"},
      {"CHUNKED",
       "HTTP/1.1 200 OK\r\nTRANSFER-ENCODING: "
       "CHUNKED\r\n\r\n3\r\nabc\r\n0\r\n\r\n",
       1, "abc"},
      {"chunked wins over length",
       "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n"
       "\r\n3\r\nabc\r\n0\r\n\r\n",
       1, "abc"},
      {"until close", "HTTP/1.1 200 OK\r\n\r\nline 1\r\nline 2\r\n", 1,
       "line 1\r\nline 2\r\n"},
      {"other coding until close",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nraw", 1, "raw"},
      {"empty until close", "HTTP/1.1 200 OK\r\n\r\n", 1, ""},
  };
  ExpectAnswers(*this, cases);
}

TEST_F(FetchTest, RefusesBadLengthsAndIncompleteBodies) {
  std::vector<AnswerCase> cases = {
      {"length not a number",
       "HTTP/1.1 200 OK\r\nContent-Length: 12abc\r\n\r\nbody", 0, "<none>"},
      {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nbody",
       0, "<none>"},
      {"length of 2^63",
       "HTTP/1.1 200 OK\r\nContent-Length: 9223372036854775808\r\n\r\nbody", 0,
       "<none>"},
      {"length over the limit",
       "HTTP/1.1 200 OK\r\nContent-Length: 1000000001\r\n\r\nbody", 0,
       "<none>"},
      {"shorter than its length",
       "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nbody", 0, "<none>"},
      {"chunked without last chunk",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nbody\r\n", 0,
       "<none>"},
      {"chunk size not hex",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nbody\r\n", 0,
       "<none>"},
      {"head without end", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n", 0,
       "<none>"},
  };
  ExpectAnswers(*this, cases);
}

void ExpectAnswers(FetchTest& test, const std::vector<AnswerCase>& cases) {
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server({Send(c.answer)});
    EXPECT_EQ(test.Fetch(server.Url("/f.txt")), c.result);
    EXPECT_EQ(test.TargetContent(), c.file);
    EXPECT_EQ(server.Requests().size(), 1u);
    std::filesystem::remove(test.Target());
  }
}

TEST_F(FetchTest, ReadsHeadsAndBodiesSplitAcrossReads) {
  const std::string longHeader = "X-Long: " + std::string(10000, 'x') + "\r\n";
  const struct {
    const char* name;
    std::vector<std::string> pieces;
    std::string file;
  } cases[] = {
      {"head in pieces",
       {"HTTP/1.1 2", "00 OK\r", "\nContent-Length: 3\r\n", "\r", "\nabc"},
       "abc"},
      {"head longer than one read",
       {"HTTP/1.1 200 OK\r\n" + longHeader + "Content-Length: 3\r\n\r\nabc"},
       "abc"},
      {"length body in pieces",
       {"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nab", "cd", "ef"},
       "abcdef"},
      {"chunk boundaries inside reads",
       {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nab",
        "c\r\n1", "0;ext\r", "\n0123456789abcdef\r\n4\r\nwxyz",
        "\r\n0\r\n\r\n"},
       "abc0123456789abcdefwxyz"},
      {"until close with gaps",
       {"HTTP/1.1 200 OK\r\n\r\nfirst ", "second ", "third"},
       "first second third"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(InPieces(c.pieces, 30));
    EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
    EXPECT_EQ(TargetContent(), c.file);
    std::filesystem::remove(Target());
  }
}

TEST_F(FetchTest, EndOfSendingBodyOutlastsAPauseOverASecond) {
  // A gap that spans a change of the seconds count does not end the body.
  ScriptedServer server(
      InPieces({"HTTP/1.1 200 OK\r\n\r\nbefore ", "after"}, 1100));
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
  EXPECT_EQ(TargetContent(), "before after");
}

TEST_F(FetchTest, ReturnsOnceTheBodyIsWholeWithoutWaitingForClose) {
  const std::string chunked =
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n";
  for (const std::string& answer :
       {std::string("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"),
        chunked}) {
    ScriptedServer server({Send(answer), Hold()});
    EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
    EXPECT_LT(Seconds(), kWithoutWaitingOut);
    EXPECT_EQ(TargetContent(), "ok");
    std::filesystem::remove(Target());
  }
}

TEST_F(FetchTest, AResetConnectionFailsTheDownload) {
  const std::vector<test_server::Script> scripts = {
      {Send("HTTP/1.1 200 OK\r\nContent-"), Pause(50), Reset()},
      {Send("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc"), Pause(50),
       Reset()},
      {Send("HTTP/1.1 200 OK\r\n\r\nabc"), Pause(50), Reset()},
      {Reset()},
  };
  for (const auto& script : scripts) {
    ScriptedServer server(script);
    EXPECT_EQ(Fetch(server.Url("/f.txt")), 0);
    EXPECT_EQ(TargetContent(), "<none>");
  }
}

TEST_F(FetchTest, RefusesHeadsOverTheLimit) {
  const std::string header = "X-Filler: " + std::string(1000, 'h') + "\r\n";
  ScriptedServer server({Send("HTTP/1.1 200 OK\r\n"), Send(header, 70),
                         Send("Content-Length: 1\r\n\r\nx")});
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 0);
  EXPECT_EQ(TargetContent(), "<none>");
}

TEST_F(FetchTest, LeavesAnEarlierFileAsItWasOnFailure) {
  test_server::WriteWholeFile(Target(), "earlier");
  for (const std::string& answer :
       {std::string("HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nnew"),
        std::string("HTTP/1.1 200 OK\r\nContent-Length: 30\r\n\r\nnew")}) {
    ScriptedServer server({Send(answer)});
    EXPECT_EQ(Fetch(server.Url("/f.txt")), 0);
    EXPECT_EQ(TargetContent(), "earlier");
  }
  ScriptedServer server(
      {Send("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew")});
  EXPECT_EQ(Fetch(server.Url("/f.txt")), 1);
  EXPECT_EQ(TargetContent(), "new");
}

TEST_F(FetchTest, FailsWithoutAServerOrAPlaceForTheFile) {
  EXPECT_EQ(FetchHttpFile(nullptr, Target().c_str()), 0);
  EXPECT_EQ(Fetch("no scheme here"), 0);
  EXPECT_EQ(Fetch("http:///path"), 0);
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(test_server::UnusedPort()) + "/f";
  EXPECT_EQ(Fetch(refused), 0);
  EXPECT_EQ(Fetch("http://no-such-host.invalid/f.txt"), 0);
  EXPECT_EQ(Fetch("http://255.255.255.255/f.txt"), 0);
  EXPECT_EQ(TargetContent(), "<none>");

  ScriptedServer server(
      {Send("HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx")});
  const std::string missingFolder =
      (folder_.Folder() / "missing" / "out.txt").string();
  EXPECT_EQ(FetchHttpFile(server.Url("/f.txt").c_str(), missingFolder.c_str()),
            0);
  EXPECT_EQ(TargetContent(), "<none>");
}

}  // namespace
