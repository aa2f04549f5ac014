#include "platform/gtk/display_text.h"

#include <glib.h>

namespace platform::gtk {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined keep their own code point, as Windows itself maps them.
constexpr gunichar kHighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

gunichar Windows1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

}  // namespace

std::string DisplayText(const std::string& bytes) {
  if (g_utf8_validate(bytes.data(), static_cast<gssize>(bytes.size()),
                      nullptr)) {
    return bytes;
  }
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    char encoded[6];
    int length = g_unichar_to_utf8(Windows1252CodePoint(byte), encoded);
    text.append(encoded, static_cast<std::size_t>(length));
  }
  return text;
}

}  // namespace platform::gtk
