// The toolkit's font object.
#pragma once

#include <gtk/gtk.h>
#include <pango/pango.h>

#include <string>

#include "platform/platform.h"

namespace platform {

struct Font {
  PangoFontDescription* description;  // face, weight and pixel size
  bool underline;
};

}  // namespace platform

namespace platform::gtk {

// A layout of text in the font, or in the widget's own (default) font.
PangoLayout* NewTextLayout(GtkWidget* widget, const Font* font,
                           const std::string& displayText);

// A size in points as a character height in pixels on the display.
int CharacterPixelHeight(int points);

// The default control font, as CSS declarations.
std::string DefaultControlFontCss();

// The font as CSS declarations, for the controls that GTK draws itself.
std::string FontCss(const Font& font);

}  // namespace platform::gtk
