// The Win32 handle behind a font of the seam.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The font's handle; for nullptr, the default GUI font (the default control
// font), which the system owns.
HFONT NativeFont(const Font* font);

}  // namespace platform::win32
