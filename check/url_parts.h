// Splitting an HTTP URL into what the request and the connection need, and
// the request bytes themselves. Pure: works on bytes in memory only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::uint16_t kDefaultHttpPort = 80;

struct UrlParts {
  std::string host;  // as the URL spells it, user name and password dropped
  std::uint16_t port = kDefaultHttpPort;
  std::string path;  // after the first "/" behind the host; query included
};

// Splits url. False when it has no "://", an empty host, or a CR or LF
// anywhere (which would end the request line early). The scheme is not
// looked at. A user name and password before an "@" in front of the first
// "/" are dropped. The port is the decimal number at the start of the text
// after the host's ":" (leading white space and one sign allowed, no digits
// give 0), cut to 16 bits; an empty port text or none gives 80.
bool SplitUrl(std::string_view url, UrlParts& parts);

// The GET request for parts, byte for byte: the Host line carries ":port"
// unless the port is 80.
std::string RequestBytes(const UrlParts& parts);
