// Environment and folder helpers for tests, on POSIX and on Windows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace test_server {

void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);

// A new, empty folder of its own under the system's temporary folder.
std::filesystem::path NewTestFolder();

// The names of the entries of folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path,
                    const std::string& bytes);

// Points the program's temporary directory ("tmp") at a new, empty folder
// for the scope's life, and removes that folder afterwards.
class TemporaryDirectoryScope {
 public:
  TemporaryDirectoryScope();
  ~TemporaryDirectoryScope();
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

}  // namespace test_server
