// The banner picture that the program carries as PNG bytes.
#pragma once

#include <cstddef>

#include "platform/platform.h"

// Decodes PNG bytes into 8-bit RGBA pixels; an empty picture when the bytes
// are not a PNG that can be decoded.
platform::RgbaImage DecodePng(const unsigned char* bytes, std::size_t size);

// Decodes the stored banner into BannerImage. A failure is not looked at:
// the banner then shows no picture.
void DecodeBanner();
// Releases BannerImage.
void ReleaseBanner();
