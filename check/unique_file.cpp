#include "check/unique_file.h"

#include <cstdint>
#include <random>

namespace {

// Names are random enough that a clash is rare; a few more tries cover it.
constexpr int kNameTries = 100;
constexpr int kTokenDigits = 12;

std::mt19937_64& TokenSource() {
  // Seeded once from the system, mixed with the clock, so that two processes
  // differ even where random_device is weak.
  static std::mt19937_64 source(
      (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
      static_cast<std::uint64_t>(platform::MonotonicSeconds()) ^
      reinterpret_cast<std::uintptr_t>(&source));
  return source;
}

std::string RandomToken() {
  constexpr char kDigits[] = "0123456789abcdef";
  std::uint64_t value = TokenSource()();
  std::string token;
  for (int i = 0; i < kTokenDigits; ++i) {
    token += kDigits[value % 16];
    value /= 16;
  }
  return token;
}

}  // namespace

platform::File* CreateUniqueFile(const std::string& front,
                                 const std::string& back, std::string& path) {
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    path = front + RandomToken() + back;
    if (platform::File* file = platform::CreateNewFile(path)) {
      return file;
    }
  }
  path.clear();
  return nullptr;
}
