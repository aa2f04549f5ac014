#include "check/temporary_path.h"

#include "check/unique_file.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kNamePrefix = "quorvel-";
constexpr std::string_view kWindowsForbidden = "<>:\"/\\|?*";

}  // namespace

std::string FilePartOfUrl(std::string_view url) {
  const std::size_t lastSlash = url.find_last_of("/\\");
  std::string_view part;
  if (lastSlash != std::string_view::npos) {
    part = url.substr(lastSlash + 1);
  } else {
    part = url;
    if (!part.empty() && part.front() == '"') {
      part.remove_prefix(1);
    }
  }
  return std::string(part.substr(0, part.find('"')));
}

std::string PortableFileName(std::string_view name) {
  std::string portable(name);
  for (char& c : portable) {
    if (static_cast<unsigned char>(c) < 32 ||
        kWindowsForbidden.find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  return portable;
}

std::string ReserveTemporaryFile(std::string_view url) {
  const std::string front = platform::TemporaryDirectory() +
                            platform::kPathSeparator + std::string(kNamePrefix);
  std::string back = "-";
  back += PortableFileName(FilePartOfUrl(url));
  std::string path;
  platform::File* file = CreateUniqueFile(front, back, path);
  if (file == nullptr) {
    return {};
  }
  platform::CloseFile(file);
  return path;
}
