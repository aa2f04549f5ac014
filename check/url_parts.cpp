#include "check/url_parts.h"

namespace {

constexpr std::string_view kSchemeEnd = "://";

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// The leading decimal number of text as the C library's atoi reads it, but
// wrapping instead of overflowing, cut to its low 16 bits.
std::uint16_t PortNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsWhiteSpace(text[at])) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  std::uint64_t value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
    ++at;
  }
  if (negative) {
    value = 0 - value;
  }
  return static_cast<std::uint16_t>(value);
}

}  // namespace

bool SplitUrl(std::string_view url, UrlParts& parts) {
  if (url.find_first_of("\r\n") != std::string_view::npos) {
    return false;
  }
  const std::size_t schemeEnd = url.find(kSchemeEnd);
  if (schemeEnd == std::string_view::npos) {
    return false;
  }
  const std::size_t afterScheme = schemeEnd + kSchemeEnd.size();
  const std::size_t pathSlash = url.find('/', afterScheme);

  // Credentials stand in front of the host; an "@" in the path is the path's.
  std::size_t hostStart = afterScheme;
  const std::size_t at = url.substr(0, pathSlash).find('@', afterScheme);
  if (at != std::string_view::npos) {
    hostStart = at + 1;
  }
  std::size_t hostEnd = url.find_first_of(":/", hostStart);
  if (hostEnd == std::string_view::npos) {
    hostEnd = url.size();
  }
  if (hostEnd == hostStart) {
    return false;
  }
  parts.host = std::string(url.substr(hostStart, hostEnd - hostStart));

  parts.port = kDefaultHttpPort;
  if (hostEnd < url.size() && url[hostEnd] == ':') {
    const std::size_t portStart = hostEnd + 1;
    std::size_t portEnd = url.find('/', portStart);
    if (portEnd == std::string_view::npos) {
      portEnd = url.size();
    }
    if (portEnd > portStart) {
      parts.port = PortNumber(url.substr(portStart, portEnd - portStart));
    }
  }

  parts.path = pathSlash == std::string_view::npos
                   ? std::string()
                   : std::string(url.substr(pathSlash + 1));
  return true;
}

std::string RequestBytes(const UrlParts& parts) {
  std::string request = "GET /";
  request += parts.path;
  request += " HTTP/1.1\r\nAccept: */*\r\nHost: ";
  request += parts.host;
  if (parts.port != kDefaultHttpPort) {
    request += ':';
    request += std::to_string(parts.port);
  }
  request += "\r\nConnection: close\r\n\r\n";
  return request;
}
