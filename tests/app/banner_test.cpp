// The stored banner decodes to an opaque 300 × 50 picture; bytes that are
// not a whole PNG decode to no picture at all.
#include <gtest/gtest.h>

#include "app/banner.h"
#include "resources/banner_png.h"

namespace {

TEST(BannerTest, StoredPictureIsOpaqueAndFullSize) {
  platform::RgbaImage banner = DecodePng(kBannerPng, kBannerPngSize);
  ASSERT_EQ(banner.width, 300);
  ASSERT_EQ(banner.height, 50);
  ASSERT_EQ(banner.pixels.size(), 300u * 50u * 4u);
  for (std::size_t alpha = 3; alpha < banner.pixels.size(); alpha += 4) {
    ASSERT_EQ(banner.pixels[alpha], 255) << "pixel " << alpha / 4;
  }
}

TEST(BannerTest, BrokenBytesGiveNoPicture) {
  const unsigned char notPng[] = "not a picture at all";
  std::vector<unsigned char> truncated(kBannerPng,
                                       kBannerPng + kBannerPngSize / 2);
  for (auto [bytes, size] :
       {std::pair<const unsigned char*, std::size_t>{notPng, sizeof notPng},
        {truncated.data(), truncated.size()},
        {kBannerPng, 0}}) {
    platform::RgbaImage image = DecodePng(bytes, size);
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());
  }
}

}  // namespace
