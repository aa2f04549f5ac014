// What the fuzz targets share: a broken invariant stops the run with its
// reason (libFuzzer then keeps the input), and cutting an input into pieces.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_REQUIRE(condition)                                       \
  do {                                                                \
    if (!(condition)) {                                               \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, \
                   __LINE__, #condition);                             \
      std::abort();                                                   \
    }                                                                 \
  } while (false)

// Up to mostCuts places to cut a text, as numbers from the input's end
// (FuzzedDataProvider takes numbers from the end, text from the front).
inline std::vector<std::size_t> TakeCuts(FuzzedDataProvider& input,
                                         std::size_t mostCuts) {
  std::vector<std::size_t> cuts(
      input.ConsumeIntegralInRange<std::size_t>(0, mostCuts));
  for (std::size_t& cut : cuts) {
    cut = input.ConsumeIntegral<std::uint16_t>();
  }
  return cuts;
}

// text cut at the places (taken modulo its length), in order; pieces may be
// empty.
inline std::vector<std::string_view> Pieces(std::string_view text,
                                            std::vector<std::size_t> cuts) {
  for (std::size_t& cut : cuts) {
    cut %= text.size() + 1;
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t cut : cuts) {
    pieces.push_back(text.substr(start, cut - start));
    start = cut;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// Takes the rest of the input as text, cut into up to mostCuts + 1 pieces.
inline std::vector<std::string_view> TakeTextInPieces(FuzzedDataProvider& input,
                                                      std::size_t mostCuts,
                                                      std::string& text) {
  const std::vector<std::size_t> cuts = TakeCuts(input, mostCuts);
  text = input.ConsumeRemainingBytesAsString();
  return Pieces(text, cuts);
}
