// URL splitting, the request and the temporary file's name over any text: a
// URL is refused or gives a host, port and path that are pieces of it, and a
// request of exactly five lines that carries them back unchanged; the file
// name taken from it is a piece of it that names no folder and holds no
// character that Windows forbids.
#include <cstdint>
#include <string>

#include "check/temporary_path.h"
#include "check/url_parts.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::size_t CountOf(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

void CheckFileName(const std::string& url) {
  const std::string part = FilePartOfUrl(url);
  FUZZ_REQUIRE(url.find(part) != std::string::npos);
  FUZZ_REQUIRE(part.find_first_of("/\\\"") == std::string::npos);
  const std::string name = PortableFileName(part);
  FUZZ_REQUIRE(name.size() == part.size());
  for (char c : name) {
    FUZZ_REQUIRE(static_cast<unsigned char>(c) >= 32);
    FUZZ_REQUIRE(std::string_view("<>:\"/\\|?*").find(c) ==
                 std::string_view::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string url(reinterpret_cast<const char*>(data), size);
  CheckFileName(url);
  UrlParts parts;
  const bool split = SplitUrl(url, parts);

  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string::npos ||
      url.find_first_of("\r\n") != std::string::npos) {
    FUZZ_REQUIRE(!split);
  }
  if (!split) {
    return 0;
  }

  // The host: not empty, cut at its ":" or "/", a piece of the URL after
  // the scheme.
  FUZZ_REQUIRE(!parts.host.empty());
  FUZZ_REQUIRE(parts.host.find_first_of(":/") == std::string::npos);
  FUZZ_REQUIRE(url.find(parts.host, schemeEnd + 3) != std::string::npos);
  // The path: all that follows the first "/" after the scheme.
  const std::size_t pathSlash = url.find('/', schemeEnd + 3);
  FUZZ_REQUIRE(parts.path == (pathSlash == std::string::npos
                                  ? std::string()
                                  : url.substr(pathSlash + 1)));
  // No port text, or an empty one, means port 80.
  if (url.find(parts.host + ":", schemeEnd + 3) == std::string::npos) {
    FUZZ_REQUIRE(parts.port == kDefaultHttpPort);
  }

  // The request: five lines, the path and host carried back unchanged.
  const std::string request = RequestBytes(parts);
  FUZZ_REQUIRE(CountOf(request, "\r\n") == 5);
  FUZZ_REQUIRE(request.ends_with("\r\n\r\n"));
  const std::string requestLine = "GET /" + parts.path + " HTTP/1.1\r\n";
  FUZZ_REQUIRE(request.starts_with(requestLine));
  const std::string hostLine =
      "\r\nHost: " + parts.host +
      (parts.port == kDefaultHttpPort ? "" : ":" + std::to_string(parts.port)) +
      "\r\n";
  FUZZ_REQUIRE(request.find(hostLine) != std::string::npos);
  return 0;
}
