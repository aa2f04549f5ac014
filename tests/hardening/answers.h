// Answers the hardening tests' servers give when they behave.
#pragma once

#include <string>

// A 200 answer whose body is delimited by its content length.
inline std::string OkWithLength(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\n\r\n" + body;
}
