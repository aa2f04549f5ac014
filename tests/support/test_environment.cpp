#include "tests/support/test_environment.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace test_server {

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

void UnsetEnvironment(const std::string& name) {
#ifdef _WIN32
  _putenv_s(name.c_str(), "");
#else
  unsetenv(name.c_str());
#endif
}

std::filesystem::path NewTestFolder() {
  static std::mt19937_64 source(
      std::random_device{}() ^
      static_cast<std::uint64_t>(
          std::chrono::steady_clock::now().time_since_epoch().count()));
  // Taken once: on Windows the system's temporary folder follows "tmp",
  // which a TemporaryDirectoryScope changes.
  static const std::filesystem::path base =
      std::filesystem::temp_directory_path();
  while (true) {
    const std::filesystem::path folder =
        base / ("quorvel-test-" + std::to_string(source()));
    if (std::filesystem::create_directory(folder)) {
      return folder;
    }
  }
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::filesystem::path& path,
                    const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TemporaryDirectoryScope::TemporaryDirectoryScope() : folder_(NewTestFolder()) {
  // The program reads "tmp" in any letter case first; set the one name and
  // clear the other spelling that Windows shells set.
  UnsetEnvironment("TMP");
  SetEnvironment("tmp", folder_.string());
}

TemporaryDirectoryScope::~TemporaryDirectoryScope() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace test_server
