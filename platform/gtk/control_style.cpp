#include "platform/gtk/control_style.h"

#include "platform/gtk/fonts.h"
#include "platform/gtk/toolkit_state.h"

namespace platform::gtk {
namespace {

constexpr char kStyleClass[] = "quorvel";

// Buttons keep their caption within 110 x 25 (and the "?" within 15 x 15);
// the bar fills its 15 pixels; scroll bars are real bars, not overlays.
constexpr char kToolkitCss[] = R"css(
button.quorvel { padding: 0 2px; min-height: 0; min-width: 0; }
button.quorvel label { padding: 0; margin: 0; }
progressbar.quorvel { padding: 0; min-height: 0; min-width: 0; }
progressbar.quorvel trough { min-height: 13px; min-width: 0; }
progressbar.quorvel progress { min-height: 13px; min-width: 0; }
scrolledwindow.quorvel { padding: 0; }
textview.quorvel text { padding: 0; }
)css";

GtkCssProvider* gControlCss = nullptr;

std::string ControlSelector(int control) {
  return "#quorvel-control-" + std::to_string(control);
}

std::string ControlRule(int control, const ControlRecord& record) {
  std::string own = ControlSelector(control);
  std::string rule;
  std::string font = record.font ? FontCss(*record.font) : "";
  std::string text =
      record.textColour ? "color: " + CssColour(*record.textColour) + ";" : "";
  std::string fill = record.fillColour ? "background-image: none; "
                                         "background-color: " +
                                             CssColour(*record.fillColour) + ";"
                                       : "";
  switch (record.kind) {
    case ControlKind::kButton:
      rule = own + " { " + font + text + fill + " }\n";
      rule += own + " label { " + font + " }\n";
      break;
    case ControlKind::kTextBox:
      rule = own + " { " + font + " }\n";
      rule += own + " text { " + text + fill + " }\n";
      break;
    case ControlKind::kProgress:
      if (record.fillColour) rule = own + " progress { " + fill + " }\n";
      break;
    default:  // the toolkit paints the other kinds itself
      break;
  }
  return rule;
}

}  // namespace

std::string CssColour(Rgb colour) {
  return "rgb(" + std::to_string(colour.red) + "," +
         std::to_string(colour.green) + "," + std::to_string(colour.blue) + ")";
}

void InstallToolkitStyle() {
  GdkScreen* screen = gdk_screen_get_default();
  GtkCssProvider* base = gtk_css_provider_new();
  std::string css = kToolkitCss;
  css += ".quorvel, .quorvel * { " + DefaultControlFontCss() + " }\n";
  gtk_css_provider_load_from_data(base, css.c_str(), -1, nullptr);
  gtk_style_context_add_provider_for_screen(
      screen, GTK_STYLE_PROVIDER(base),
      GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(base);
  gControlCss = gtk_css_provider_new();
  gtk_style_context_add_provider_for_screen(
      screen, GTK_STYLE_PROVIDER(gControlCss),
      GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
}

void MarkControlWidget(GtkWidget* widget, int control) {
  gtk_widget_set_name(widget, ControlSelector(control).substr(1).c_str());
  gtk_style_context_add_class(gtk_widget_get_style_context(widget),
                              kStyleClass);
}

void RestyleControls() {
  if (gControlCss == nullptr) return;
  std::string css;
  for (const auto& [number, record] : Controls()) {
    css += ControlRule(number, record);
  }
  gtk_css_provider_load_from_data(gControlCss, css.c_str(), -1, nullptr);
}

}  // namespace platform::gtk
