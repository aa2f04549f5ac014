#include "platform/gtk/control_painting.h"

#include "platform/gtk/display_text.h"
#include "platform/gtk/fonts.h"
#include "platform/gtk/toolkit_state.h"

namespace platform::gtk {
namespace {

constexpr int kSunkenEdge = 2;      // pixels, for labels and frames
constexpr int kCaptionIndent = 8;   // group box caption from the left edge
constexpr int kCaptionPadding = 2;  // clear space either side of the caption

struct Colour {
  double red, green, blue, alpha;
};

void SetColour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue,
                        colour.alpha);
}

void SetColour(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0,
                       colour.blue / 255.0);
}

Colour ThemeColour(GtkWidget* widget, const char* name, Colour fallback) {
  GdkRGBA rgba;
  if (gtk_style_context_lookup_color(gtk_widget_get_style_context(widget), name,
                                     &rgba)) {
    return {rgba.red, rgba.green, rgba.blue, rgba.alpha};
  }
  return fallback;
}

Colour TextColour(GtkWidget* widget) {
  GtkStyleContext* style = gtk_widget_get_style_context(widget);
  GdkRGBA rgba;
  gtk_style_context_get_color(style, gtk_style_context_get_state(style), &rgba);
  return {rgba.red, rgba.green, rgba.blue, rgba.alpha};
}

Colour BorderColour(GtkWidget* widget) {
  return ThemeColour(widget, "borders", {0.80, 0.78, 0.76, 1.0});
}

void FillRectangle(cairo_t* cr, int x, int y, int width, int height) {
  cairo_rectangle(cr, x, y, width, height);
  cairo_fill(cr);
}

// Two pixels: an outer line in the theme's border colour all round, and an
// inner line shaded on the top and left and lit on the bottom and right.
void PaintSunkenEdge(GtkWidget* widget, cairo_t* cr, int width, int height) {
  if (width < 2 * kSunkenEdge || height < 2 * kSunkenEdge) return;
  SetColour(cr, BorderColour(widget));
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  cairo_stroke(cr);
  SetColour(cr, Colour{0, 0, 0, 0.18});
  FillRectangle(cr, 1, 1, width - 2, 1);
  FillRectangle(cr, 1, 2, 1, height - 3);
  SetColour(cr, Colour{1, 1, 1, 0.45});
  FillRectangle(cr, 2, height - 2, width - 3, 1);
  FillRectangle(cr, width - 2, 2, 1, height - 4);
}

void PaintPicture(const ControlRecord& record, cairo_t* cr) {
  if (record.picture == nullptr) return;
  gdk_cairo_set_source_pixbuf(cr, record.picture, 0, 0);
  cairo_paint(cr);
}

void PaintLabel(GtkWidget* widget, const ControlRecord& record, cairo_t* cr,
                int width, int height) {
  if (record.fillColour) {
    SetColour(cr, *record.fillColour);
    cairo_paint(cr);
  }
  int edge = record.sunkenBorder ? kSunkenEdge : 0;
  if (record.sunkenBorder) PaintSunkenEdge(widget, cr, width, height);
  int innerWidth = width - 2 * edge;
  int innerHeight = height - 2 * edge;
  if (innerWidth <= 0 || innerHeight <= 0) return;
  PangoLayout* layout =
      NewTextLayout(widget, record.font, DisplayText(record.text));
  pango_layout_set_width(layout, innerWidth * PANGO_SCALE);
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
  cairo_rectangle(cr, edge, edge, innerWidth, innerHeight);
  cairo_clip(cr);
  if (record.textColour) {
    SetColour(cr, *record.textColour);
  } else {
    SetColour(cr, TextColour(widget));
  }
  cairo_move_to(cr, edge, edge);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
}

void PaintFrame(GtkWidget* widget, cairo_t* cr, int width, int height) {
  PaintSunkenEdge(widget, cr, width, height);
}

// A thin line round the box, broken at the top left by the caption; the
// caption is cut off where the box ends.
void PaintGroupBox(GtkWidget* widget, const ControlRecord& record, cairo_t* cr,
                   int width, int height) {
  PangoLayout* layout =
      NewTextLayout(widget, record.font, DisplayText(record.text));
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  int captionWidth = 0, captionHeight = 0;
  pango_layout_get_pixel_size(layout, &captionWidth, &captionHeight);
  int room = width - 2 * kCaptionIndent;
  if (captionWidth > room) captionWidth = room > 0 ? room : 0;
  double lineY = captionHeight / 2 + 0.5;
  double gapStart = kCaptionIndent - kCaptionPadding;
  double gapEnd = kCaptionIndent + captionWidth + kCaptionPadding;
  if (captionWidth == 0) gapStart = gapEnd = kCaptionIndent;

  SetColour(cr, BorderColour(widget));
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, gapStart, lineY);
  cairo_line_to(cr, 0.5, lineY);
  cairo_line_to(cr, 0.5, height - 0.5);
  cairo_line_to(cr, width - 0.5, height - 0.5);
  cairo_line_to(cr, width - 0.5, lineY);
  cairo_line_to(cr, gapEnd, lineY);
  cairo_stroke(cr);

  cairo_rectangle(cr, kCaptionIndent, 0, captionWidth, captionHeight);
  cairo_clip(cr);
  if (record.textColour) {
    SetColour(cr, *record.textColour);
  } else {
    SetColour(cr, TextColour(widget));
  }
  cairo_move_to(cr, kCaptionIndent, 0);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
}

gboolean Paint(GtkWidget* widget, cairo_t* cr, gpointer controlNumber) {
  const ControlRecord* record = FindControl(GPOINTER_TO_INT(controlNumber));
  if (record == nullptr) return FALSE;
  int width = gtk_widget_get_allocated_width(widget);
  int height = gtk_widget_get_allocated_height(widget);
  switch (record->kind) {
    case ControlKind::kPicture:
      PaintPicture(*record, cr);
      break;
    case ControlKind::kLabel:
      PaintLabel(widget, *record, cr, width, height);
      break;
    case ControlKind::kFrame:
      PaintFrame(widget, cr, width, height);
      break;
    case ControlKind::kGroupBox:
      PaintGroupBox(widget, *record, cr, width, height);
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

GtkWidget* NewPaintedControl(int control) {
  GtkWidget* widget = gtk_drawing_area_new();
  gtk_widget_set_has_window(widget, FALSE);
  g_signal_connect(widget, "draw", G_CALLBACK(Paint), GINT_TO_POINTER(control));
  return widget;
}

}  // namespace platform::gtk
