// A decoded picture shown by a picture control, as a 32-bit DIB.
#include <cstring>

#include "platform/win32/toolkit_state.h"

namespace platform {
namespace {

// A top-down 32-bit DIB section holding image, its colour premultiplied by
// alpha as the system's alpha blending expects (the banner is opaque).
HBITMAP MakeDib(const RgbaImage& image) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = image.width;
  format.bmiHeader.biHeight = -image.height;  // negative: rows top to bottom
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap =
      CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    return nullptr;
  }
  auto* out = static_cast<std::uint8_t*>(bits);
  const std::size_t pixels =
      static_cast<std::size_t>(image.width) * image.height;
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::uint8_t* in = &image.pixels[i * 4];
    const unsigned alpha = in[3];
    out[i * 4 + 0] = static_cast<std::uint8_t>(in[2] * alpha / 255);
    out[i * 4 + 1] = static_cast<std::uint8_t>(in[1] * alpha / 255);
    out[i * 4 + 2] = static_cast<std::uint8_t>(in[0] * alpha / 255);
    out[i * 4 + 3] = static_cast<std::uint8_t>(alpha);
  }
  return bitmap;
}

bool ImageIsWhole(const RgbaImage& image) {
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() ==
             static_cast<std::size_t>(image.width) * image.height * 4;
}

}  // namespace

void SetControlPicture(int control, const RgbaImage& image) {
  win32::ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr || record->kind != ControlKind::kPicture) {
    return;
  }
  const HBITMAP bitmap = ImageIsWhole(image) ? MakeDib(image) : nullptr;
  // The control may hand back a copy it made of the earlier bitmap; that
  // copy is its own to give up, so it is deleted too when it is not ours.
  const auto previous = reinterpret_cast<HBITMAP>(
      SendMessageA(record->handle, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(bitmap)));
  if (previous != nullptr && previous != record->picture) {
    DeleteObject(previous);
  }
  if (record->picture != nullptr) {
    DeleteObject(record->picture);
  }
  record->picture = bitmap;
  win32::PaintNow(*record);
}

}  // namespace platform
