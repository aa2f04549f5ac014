// The controls of the seam, one GTK widget (or two) each.
#include <gtk/gtk.h>

#include <algorithm>
#include <cstring>

#include "platform/gtk/client_area.h"
#include "platform/gtk/control_painting.h"
#include "platform/gtk/control_style.h"
#include "platform/gtk/display_text.h"
#include "platform/gtk/toolkit_state.h"

namespace platform {
namespace {

using gtk::ControlRecord;

constexpr int kProgressMinimum = 0;
constexpr int kProgressMaximum = 100;

void ReportControlEvent(int control) {
  const ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  gtk::QueueEvent(record->window, {EventKind::kControl, control});
}

void ButtonClicked(GtkButton*, gpointer control) {
  ReportControlEvent(GPOINTER_TO_INT(control));
}

// Every press is a click of its own: a double click is two clicks, and the
// toolkit's extra double-press event is not one more.
gboolean PicturePressed(GtkWidget*, GdkEventButton* press, gpointer control) {
  if (press->type == GDK_BUTTON_PRESS) {
    ReportControlEvent(GPOINTER_TO_INT(control));
  }
  return TRUE;
}

// A disabled window takes no mouse input: a press does not even reach the
// control.
gboolean SwallowPressInDisabledWindow(GtkWidget*, GdkEvent*, gpointer control) {
  const ControlRecord* record = gtk::FindControl(GPOINTER_TO_INT(control));
  if (record == nullptr) return TRUE;
  const gtk::WindowRecord* window = gtk::FindWindow(record->window);
  return window == nullptr || !window->enabled;
}

void GuardInput(GtkWidget* widget, int control) {
  g_signal_connect(widget, "button-press-event",
                   G_CALLBACK(SwallowPressInDisabledWindow),
                   GINT_TO_POINTER(control));
  g_signal_connect(widget, "button-release-event",
                   G_CALLBACK(SwallowPressInDisabledWindow),
                   GINT_TO_POINTER(control));
}

GtkWidget* NewPicture(int control) {
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  gtk_widget_add_events(box, GDK_BUTTON_PRESS_MASK);
  gtk_container_add(GTK_CONTAINER(box), gtk::NewPaintedControl(control));
  GuardInput(box, control);
  g_signal_connect(box, "button-press-event", G_CALLBACK(PicturePressed),
                   GINT_TO_POINTER(control));
  return box;
}

GtkWidget* NewButton(int control, const std::string& text) {
  GtkWidget* caption = gtk_label_new(gtk::DisplayText(text).c_str());
  // A caption wider than its button ends in an ellipsis rather than mid-letter.
  gtk_label_set_ellipsize(GTK_LABEL(caption), PANGO_ELLIPSIZE_END);
  GtkWidget* button = gtk_button_new();
  gtk_container_add(GTK_CONTAINER(button), caption);
  GuardInput(button, control);
  g_signal_connect(button, "clicked", G_CALLBACK(ButtonClicked),
                   GINT_TO_POINTER(control));
  return button;
}

GtkWidget* NewTextBox(int control, GtkWidget** view) {
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller),
                                 GTK_POLICY_AUTOMATIC, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller),
                                      GTK_SHADOW_IN);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller),
                                            FALSE);
  *view = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(*view), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(*view), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(*view), GTK_WRAP_NONE);
  gtk_text_view_set_justification(GTK_TEXT_VIEW(*view), GTK_JUSTIFY_CENTER);
  gtk_container_add(GTK_CONTAINER(scroller), *view);
  GuardInput(*view, control);
  gtk::MarkControlWidget(*view, control);
  return scroller;
}

// The widgets of a control: outer is placed, inner shows the content.
void BuildWidgets(int control, ControlRecord& record) {
  switch (record.kind) {
    case ControlKind::kPicture:
      record.outer = NewPicture(control);
      record.inner = gtk_bin_get_child(GTK_BIN(record.outer));
      break;
    case ControlKind::kButton:
      record.outer = record.inner = NewButton(control, record.text);
      break;
    case ControlKind::kTextBox:
      record.outer = NewTextBox(control, &record.inner);
      break;
    case ControlKind::kProgress:
      record.outer = record.inner = gtk_progress_bar_new();
      break;
    case ControlKind::kLabel:
    case ControlKind::kFrame:
    case ControlKind::kGroupBox:
      record.outer = record.inner = gtk::NewPaintedControl(control);
      break;
  }
  gtk::MarkControlWidget(record.outer, control);
}

bool DrawnByToolkit(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kTextBox ||
         kind == ControlKind::kProgress;
}

void ShowText(ControlRecord& record) {
  std::string shown = gtk::DisplayText(record.text);
  switch (record.kind) {
    case ControlKind::kButton:
      gtk_label_set_text(GTK_LABEL(gtk_bin_get_child(GTK_BIN(record.inner))),
                         shown.c_str());
      break;
    case ControlKind::kTextBox:
      gtk_text_buffer_set_text(
          gtk_text_view_get_buffer(GTK_TEXT_VIEW(record.inner)), shown.data(),
          static_cast<gint>(shown.size()));
      break;
    default:
      gtk_widget_queue_draw(record.outer);
      break;
  }
}

// Changes a control's font or colours and shows it in its new style.
template <typename Change>
void ChangeStyle(int control, Change change) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  change(*record);
  if (DrawnByToolkit(record->kind)) {
    gtk::RestyleControls();
  } else {
    gtk_widget_queue_draw(record->outer);
  }
}

int CurrentOrNew(int value, int current) {
  return value == kKeep ? current : std::max(value, 0);
}

}  // namespace

void CreateControl(int window, int control, ControlKind kind, int x, int y,
                   int width, int height, const std::string& text,
                   bool sunkenBorder) {
  gtk::RemoveControl(control);
  gtk::WindowRecord* owner = gtk::FindWindow(window);
  if (owner == nullptr) return;
  ControlRecord& record = gtk::Controls()[control];
  record.window = window;
  record.kind = kind;
  record.text = text;
  record.sunkenBorder = sunkenBorder;
  BuildWidgets(control, record);
  if (kind == ControlKind::kTextBox) ShowText(record);
  gtk::PutControl(owner->clientArea, record.outer, x, y, std::max(width, 0),
                  std::max(height, 0));
  gtk_widget_show_all(record.outer);
}

void SetControlText(int control, const std::string& text) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  record->text = text;
  ShowText(*record);
  gtk::ShowChangeNow(record->outer);
}

std::string ControlText(int control) {
  const ControlRecord* record = gtk::FindControl(control);
  return record == nullptr ? std::string() : record->text;
}

void SetControlFont(int control, Font* font) {
  ChangeStyle(control, [font](ControlRecord& record) { record.font = font; });
}

void SetControlTextColour(int control, Rgb colour) {
  ChangeStyle(control,
              [colour](ControlRecord& record) { record.textColour = colour; });
}

void SetControlFillColour(int control, Rgb colour) {
  ChangeStyle(control,
              [colour](ControlRecord& record) { record.fillColour = colour; });
}

void EnableControl(int control, bool enabled) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  gtk_widget_set_sensitive(record->outer, enabled);
  gtk::ShowChangeNow(record->outer);
}

void SetProgressValue(int control, int value) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr || record->kind != ControlKind::kProgress) return;
  value = std::clamp(value, kProgressMinimum, kProgressMaximum);
  gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(record->inner),
                                static_cast<double>(value - kProgressMinimum) /
                                    (kProgressMaximum - kProgressMinimum));
  gtk::ShowChangeNow(record->outer);
}

void MoveControl(int control, int x, int y, int width, int height) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  GtkWidget* area = gtk_widget_get_parent(record->outer);
  int oldX = 0, oldY = 0, oldWidth = 0, oldHeight = 0;
  gtk_container_child_get(GTK_CONTAINER(area), record->outer, "x", &oldX, "y",
                          &oldY, nullptr);
  gtk_widget_get_size_request(record->outer, &oldWidth, &oldHeight);
  gtk::PutControl(area, record->outer, CurrentOrNew(x, oldX),
                  CurrentOrNew(y, oldY), CurrentOrNew(width, oldWidth),
                  CurrentOrNew(height, oldHeight));
}

void SetControlPicture(int control, const RgbaImage& image) {
  ControlRecord* record = gtk::FindControl(control);
  if (record == nullptr) return;
  if (record->picture) g_object_unref(record->picture);
  record->picture = nullptr;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
  bool whole = image.width > 0 && image.height > 0 &&
               image.pixels.size() == rowBytes * image.height;
  if (whole) {
    record->picture =
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, image.width, image.height);
  }
  if (record->picture) {
    guchar* pixels = gdk_pixbuf_get_pixels(record->picture);
    int stride = gdk_pixbuf_get_rowstride(record->picture);
    for (int row = 0; row < image.height; ++row) {
      std::memcpy(pixels + static_cast<std::size_t>(row) * stride,
                  image.pixels.data() + row * rowBytes, rowBytes);
    }
  }
  gtk_widget_queue_draw(record->outer);
}

}  // namespace platform
