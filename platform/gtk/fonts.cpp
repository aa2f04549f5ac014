#include "platform/gtk/fonts.h"

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <cmath>

#include "platform/gtk/toolkit_state.h"

namespace platform {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kFallbackDotsPerInch = 96.0;
constexpr PangoWeight kBold = PANGO_WEIGHT_BOLD;      // 700
constexpr PangoWeight kNormal = PANGO_WEIGHT_NORMAL;  // 400
// The layout's fixed sizes were measured in the classic 8-point dialog font.
// The desktop's own GUI font (DejaVu Sans 10, Cantarell 11) is a fifth to a
// third wider and cuts captions and the About text off; Arial (Liberation
// Sans) keeps the dialog font's widths.
constexpr char kDefaultControlFace[] = "Arial";
constexpr int kDefaultControlPoints = 8;

double VerticalDotsPerInch() {
  if (gtk::HaveDisplay()) {
    double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
    if (resolution > 0) return resolution;
  }
  return kFallbackDotsPerInch;
}

bool CanLoad(const PangoFontDescription* description) {
  PangoFontMap* fontMap = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(fontMap);
  PangoFont* font = pango_font_map_load_font(fontMap, context, description);
  bool loaded = font != nullptr;
  if (font) g_object_unref(font);
  g_object_unref(context);
  return loaded;
}

}  // namespace

Font* CreateFontObject(const FontRequest& request) {
  if (request.face == nullptr || request.points <= 0) return nullptr;
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, request.face);
  pango_font_description_set_weight(description,
                                    request.bold ? kBold : kNormal);
  pango_font_description_set_absolute_size(
      description, gtk::CharacterPixelHeight(request.points) * PANGO_SCALE);
  if (!CanLoad(description)) {
    pango_font_description_free(description);
    return nullptr;
  }
  return new Font{description, request.underline};
}

void ReleaseFont(Font* font) {
  if (font == nullptr) return;
  pango_font_description_free(font->description);
  delete font;
}

namespace gtk {

// The character height in pixels, without the spacing above it: what Pango
// calls the absolute size of a font.
int CharacterPixelHeight(int points) {
  return static_cast<int>(
      std::lround(points * VerticalDotsPerInch() / kPointsPerInch));
}

std::string DefaultControlFontCss() {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, kDefaultControlFace);
  pango_font_description_set_weight(description, kNormal);
  pango_font_description_set_absolute_size(
      description, CharacterPixelHeight(kDefaultControlPoints) * PANGO_SCALE);
  std::string css = FontCss({description, false});
  pango_font_description_free(description);
  return css;
}

PangoLayout* NewTextLayout(GtkWidget* widget, const Font* font,
                           const std::string& displayText) {
  PangoLayout* layout = gtk_widget_create_pango_layout(widget, nullptr);
  pango_layout_set_text(layout, displayText.data(),
                        static_cast<int>(displayText.size()));
  if (font != nullptr) {
    pango_layout_set_font_description(layout, font->description);
    if (font->underline) {
      PangoAttrList* attributes = pango_attr_list_new();
      pango_attr_list_insert(attributes,
                             pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
      pango_layout_set_attributes(layout, attributes);
      pango_attr_list_unref(attributes);
    }
  }
  return layout;
}

std::string FontCss(const Font& font) {
  const char* family = pango_font_description_get_family(font.description);
  int pixels = pango_font_description_get_size(font.description) / PANGO_SCALE;
  std::string css = "font-family: \"";
  for (const char* c = family ? family : ""; *c; ++c) {
    if (*c != '"' && *c != '\\') css += *c;
  }
  css += "\"; font-size: " + std::to_string(pixels) + "px; font-weight: " +
         std::to_string(pango_font_description_get_weight(font.description)) +
         ";";
  if (font.underline) css += " text-decoration-line: underline;";
  return css;
}

}  // namespace gtk
}  // namespace platform
