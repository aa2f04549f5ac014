// The banner picture, as the bytes of its PNG file.
#pragma once

#include <cstddef>

extern const unsigned char kBannerPng[];
extern const std::size_t kBannerPngSize;
