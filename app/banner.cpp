#include "app/banner.h"

#include <png.h>

#include "resources/banner_png.h"
#include "ui/window_resources.h"

namespace {

// Far more than any banner needs; a larger picture is refused rather than
// given the memory it asks for.
constexpr std::size_t kMaxPixels = 4096 * 4096;

}  // namespace

platform::RgbaImage DecodePng(const unsigned char* bytes, std::size_t size) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes, size) == 0) {
    png_image_free(&image);
    return {};
  }
  if (static_cast<std::size_t>(image.width) * image.height > kMaxPixels) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGBA;
  platform::RgbaImage decoded;
  decoded.width = static_cast<int>(image.width);
  decoded.height = static_cast<int>(image.height);
  decoded.pixels.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0,
                            nullptr) == 0) {
    png_image_free(&image);
    return {};
  }
  return decoded;
}

void DecodeBanner() { BannerImage = DecodePng(kBannerPng, kBannerPngSize); }

void ReleaseBanner() { BannerImage = platform::RgbaImage{}; }
