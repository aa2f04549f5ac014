// The text-line reading rule over any bytes: every table it fills keeps its
// lines inside its slots, its counter equals the lines stored, and a file on
// disk, a buffer in memory and the byte machine fed in pieces agree.
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "data/line_splitter.h"
#include "data/text_lines.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t kGuardSlots = 2;
const std::string kUntouched = "\x7f untouched";

// The lines of bytes by the rule, written independently of the code under
// test: LF, CR, CR LF and NUL each end one line; a last line without ending
// counts; nothing follows a final ending.
std::vector<std::string> ExpectedLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const char byte = bytes[at];
    if (byte == '\n' || byte == '\r' || byte == '\0') {
      lines.push_back(line);
      line.clear();
      if (byte == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
        ++at;
      }
    } else {
      line.push_back(byte);
    }
  }
  if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r' &&
      bytes.back() != '\0') {
    lines.push_back(line);
  }
  return lines;
}

// Reads bytes into a table of Slots slots that stands between guard slots,
// starting the counter at start, and checks what was stored against lines.
template <std::size_t Slots, typename Counter, typename Read>
void CheckTable(Read read, Counter start,
                const std::vector<std::string>& lines) {
  std::array<std::string, Slots + 2 * kGuardSlots> slots;
  slots.fill(kUntouched);
  const std::span<std::string> table(slots.data() + kGuardSlots, Slots);
  Counter counter = start;
  read(table, counter);

  // Lines go to slots start, start + 1, ... while both the table and the
  // counter have room; a negative counter stores nothing.
  std::size_t stored = 0;
  if (start >= 0) {
    const long long room =
        std::min<long long>(Slots, std::numeric_limits<Counter>::max()) -
        static_cast<long long>(start);
    stored = room > 0 ? std::min<std::size_t>(lines.size(),
                                              static_cast<std::size_t>(room))
                      : 0;
  }
  FUZZ_REQUIRE(static_cast<long long>(counter) - start ==
               static_cast<long long>(stored));
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const long long slot = static_cast<long long>(i) - kGuardSlots;
    const bool written =
        slot >= start && slot < start + static_cast<long long>(stored);
    if (written) {
      FUZZ_REQUIRE(slots[i] == lines[static_cast<std::size_t>(slot - start)]);
    } else {
      FUZZ_REQUIRE(slots[i] == kUntouched);
    }
  }
}

// The byte machine fed piece by piece gives the same lines as the whole.
std::vector<std::string> MachineLines(
    const std::vector<std::string_view>& pieces) {
  std::vector<std::string> lines;
  LineSplitter splitter;
  for (std::string_view piece : pieces) {
    for (char byte : piece) {
      if (TakeLineByte(splitter, static_cast<unsigned char>(byte))) {
        lines.push_back(splitter.line);
      }
    }
  }
  if (EndLines(splitter)) {
    lines.push_back(splitter.line);
  }
  return lines;
}

// One scratch file per process, rewritten for every input: in memory where
// the system offers it, since a disk file slows the run tenfold.
class ScratchFile {
 public:
  ScratchFile() {
    for (const char* folder : {"/dev/shm", "/tmp"}) {
      path_ = std::string(folder) + "/quorvel-fuzz-lines-XXXXXX";
      const int descriptor = mkstemp(path_.data());
      if (descriptor >= 0) {
        close(descriptor);
        return;
      }
    }
    FUZZ_REQUIRE(!"no folder for a scratch file");
  }
  ~ScratchFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const std::string& ScratchPath() {
  static const ScratchFile file;
  return file.path();
}

void WriteScratchFile(std::string_view bytes) {
  FILE* file = std::fopen(ScratchPath().c_str(), "wb");
  FUZZ_REQUIRE(file != nullptr);
  FUZZ_REQUIRE(std::fwrite(bytes.data(), 1, bytes.size(), file) ==
               bytes.size());
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::int8_t smallStart = input.ConsumeIntegral<std::int8_t>();
  const std::int32_t wideStart = input.ConsumeIntegral<std::int32_t>();
  std::string bytes;
  const std::vector<std::string_view> pieces =
      TakeTextInPieces(input, 16, bytes);
  const std::vector<std::string> lines = ExpectedLines(bytes);

  FUZZ_REQUIRE(MachineLines(pieces) == lines);

  const auto fromBytes = [&bytes](std::span<std::string> table, auto& counter) {
    ReadLinesFromBytes(bytes, table, counter);
  };
  // The change log, the language table and the version tables, each from
  // slot 0 as the program fills them, and from any counter value at all.
  CheckTable<201, std::int8_t>(fromBytes, 0, lines);
  CheckTable<201, std::int8_t>(fromBytes, smallStart, lines);
  CheckTable<51, std::int8_t>(fromBytes, smallStart, lines);
  CheckTable<4, std::int8_t>(fromBytes, 0, lines);
  CheckTable<4, std::int32_t>(fromBytes, 0, lines);
  CheckTable<4, std::int32_t>(fromBytes, wideStart, lines);

  WriteScratchFile(bytes);
  const auto fromFile = [](std::span<std::string> table, auto& counter) {
    FUZZ_REQUIRE(ReadTextFileIntoTable(ScratchPath(), table, counter));
  };
  CheckTable<201, std::int8_t>(fromFile, 0, lines);
  CheckTable<4, std::int32_t>(fromFile, wideStart, lines);
  return 0;
}
