// Files on Windows through the ...A functions, with a small read buffer,
// since the line reader asks for one byte at a time.

#include "platform/platform.h"
#include "platform/read_buffer.h"
#include "platform/win32/win32_api.h"

struct platform::File {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ReadBuffer buffer;
};

namespace platform {
namespace {

// Reads the next piece of the file: its length, 0 at the end or on an error.
auto PieceReader(File* file) {
  return [file](unsigned char* to, std::size_t capacity) -> std::size_t {
    DWORD count = 0;
    if (!ReadFile(file->handle, to, static_cast<DWORD>(capacity), &count,
                  nullptr)) {
      return 0;
    }
    return count;
  };
}

File* WrapHandle(HANDLE handle) {
  File* file = new File;
  file->handle = handle;
  return file;
}

}  // namespace

File* OpenFileForReading(const std::string& path) {
  // Folders fail to open without backup semantics; devices and pipes (a
  // language named "CON", a "\\.\pipe\" path) open but are refused here, as
  // a read from them could block.
  const HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return nullptr;
  }
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return nullptr;
  }
  return WrapHandle(handle);
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
  CloseHandle(file->handle);
  delete file;
}

bool DeleteFileAt(const std::string& path) {
  return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
         GetLastError() == ERROR_PATH_NOT_FOUND;
}

File* CreateNewFile(const std::string& path) {
  // CREATE_NEW fails on anything standing at path: a file, a folder, or a
  // symbolic link, which is never followed.
  const HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return nullptr;
  }
  return WrapHandle(handle);
}

bool WriteFileBytes(File* file, const char* bytes, std::size_t count) {
  while (count > 0) {
    constexpr std::size_t kLargestWrite = 1 << 30;
    const DWORD piece =
        static_cast<DWORD>(count < kLargestWrite ? count : kLargestWrite);
    DWORD written = 0;
    if (!WriteFile(file->handle, bytes, piece, &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes += written;
    count -= written;
  }
  return true;
}

bool MoveFileIntoPlace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
}

}  // namespace platform
