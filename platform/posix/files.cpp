// Files on POSIX systems: plain descriptors with a small read buffer, since
// the line reader asks for one byte at a time.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "platform/platform.h"
#include "platform/read_buffer.h"

extern char** environ;

struct platform::File {
  int descriptor = -1;
  ReadBuffer buffer;
};

namespace platform {
namespace {

constexpr mode_t kPrivateFileMode = 0600;

// Reads the next piece of the file: its length, 0 at the end or on an error.
auto PieceReader(File* file) {
  return [file](unsigned char* to, std::size_t capacity) -> std::size_t {
    ssize_t count;
    do {
      count = read(file->descriptor, to, capacity);
    } while (count < 0 && errno == EINTR);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
  };
}

File* WrapDescriptor(int descriptor) {
  File* file = new File;
  file->descriptor = descriptor;
  return file;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

// The first non-empty value of a variable named "tmp" in any letter case, in
// the environment's own order; empty when there is none.
std::string TmpVariable() {
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos && equals + 1 < text.size() &&
        EqualIgnoringCase(text.substr(0, equals), "tmp")) {
      return std::string(text.substr(equals + 1));
    }
  }
  return {};
}

}  // namespace

File* OpenFileForReading(const std::string& path) {
  // Non-blocking, so that opening a FIFO without a writer returns at once;
  // anything but a regular file is then refused.
  const int descriptor =
      open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    return nullptr;
  }
  struct stat status;
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    return nullptr;
  }
  return WrapDescriptor(descriptor);
}

int ReadFileByte(File* file) {
  return NextBufferedByte(file->buffer, PieceReader(file));
}

bool AtEndOfFile(File* file) {
  return ReadBufferAtEnd(file->buffer, PieceReader(file));
}

void CloseFile(File* file) {
  if (file == nullptr) {
    return;
  }
  close(file->descriptor);
  delete file;
}

bool DeleteFileAt(const std::string& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT;
}

File* CreateNewFile(const std::string& path) {
  // O_EXCL fails on anything standing at path, a dangling symbolic link
  // included; O_NOFOLLOW says the same for systems that would follow it.
  const int descriptor =
      open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
           kPrivateFileMode);
  if (descriptor < 0) {
    return nullptr;
  }
  return WrapDescriptor(descriptor);
}

bool WriteFileBytes(File* file, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(file->descriptor, bytes, count);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

bool MoveFileIntoPlace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string TemporaryDirectory() {
  std::string folder = TmpVariable();
  if (folder.empty()) {
    folder = EnvironmentVariable("TMPDIR");
  }
  if (folder.empty()) {
    folder = "/tmp";
  }
  while (folder.size() > 1 && folder.back() == kPathSeparator) {
    folder.pop_back();
  }
  return folder;
}

}  // namespace platform
