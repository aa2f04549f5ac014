// quorvel-fetch URL FILE: fetches URL into FILE with FetchHttpFile and exits,
// 0 when the download succeeded, 1 otherwise. Timed against curl by the
// benchmark.
#include <cstdio>

#include "check/http_fetch.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorvel-fetch URL FILE\n");
    return 2;
  }
  const int result =
      StartNetwork() == 1 && FetchHttpFile(argv[1], argv[2]) == 1;
  EndNetwork();
  return result == 1 ? 0 : 1;
}
