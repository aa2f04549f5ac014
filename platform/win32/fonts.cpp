// Fonts by face, points and style.
#include "platform/win32/fonts.h"

struct platform::Font {
  HFONT handle = nullptr;
};

namespace platform {

Font* CreateFontObject(const FontRequest& request) {
  // The character height, without the spacing above it (hence negative):
  // points times the display's vertical dots per inch over 72, rounded.
  const HDC screen = GetDC(nullptr);
  const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int height = -MulDiv(request.points, dotsPerInch, 72);
  const HFONT handle =
      CreateFontA(height, 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE,
                  request.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, request.face);
  if (handle == nullptr) {
    return nullptr;
  }
  return new Font{handle};
}

void ReleaseFont(Font* font) {
  if (font == nullptr) {
    return;
  }
  DeleteObject(font->handle);
  delete font;
}

namespace win32 {

HFONT NativeFont(const Font* font) {
  return font != nullptr ? font->handle
                         : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace win32
}  // namespace platform
