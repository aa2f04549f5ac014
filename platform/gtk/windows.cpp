// The program's windows: a GTK toplevel each, holding a client area of the
// exact client size.
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/gtk/client_area.h"
#include "platform/gtk/display_text.h"
#include "platform/gtk/primary_monitor.h"
#include "platform/gtk/toolkit_state.h"

namespace platform {
namespace {

// Bounds the wait for a new window to be mapped, should the window manager
// never map it.
constexpr guint kMapWaitMilliseconds = 1000;

gboolean CloseRequested(GtkWidget*, GdkEvent*, gpointer window) {
  int number = GPOINTER_TO_INT(window);
  gtk::QueueEvent(number, {EventKind::kClose, number});
  return TRUE;  // the program decides whether the window closes
}

// A disabled window takes no keyboard input either.
gboolean SwallowKeyInDisabledWindow(GtkWidget*, GdkEvent*, gpointer window) {
  const gtk::WindowRecord* record = gtk::FindWindow(GPOINTER_TO_INT(window));
  return record == nullptr || !record->enabled;
}

// Window-manager hints: a normal window has a title bar with its menu and a
// close box but no minimise or maximise box; a tool window a plain title bar
// only, and no taskbar entry.
void SetFrameHints(GtkWidget* window, WindowStyle style) {
  GdkWindow* frame = gtk_widget_get_window(window);
  if (style == WindowStyle::kTool) {
    gdk_window_set_decorations(frame, static_cast<GdkWMDecoration>(
                                          GDK_DECOR_BORDER | GDK_DECOR_TITLE));
    gdk_window_set_functions(frame, GDK_FUNC_MOVE);
  } else {
    gdk_window_set_decorations(
        frame, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE |
                                            GDK_DECOR_MENU));
    gdk_window_set_functions(
        frame, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
  }
}

gboolean NoteMapped(GtkWidget*, GdkEvent*, gpointer flag) {
  *static_cast<bool*>(flag) = true;
  return FALSE;
}

// A window is placed as soon as it is shown; the frame the window manager
// puts round it is only known once the window is on screen, that is once the
// X server reports it mapped (GTK counts it mapped on request).
void ShowAndWaitUntilMapped(GtkWidget* window) {
  bool mapped = false;
  gulong handler =
      g_signal_connect(window, "map-event", G_CALLBACK(NoteMapped), &mapped);
  gtk_widget_show_all(window);
  gtk_window_present(GTK_WINDOW(window));
  gtk::RunMainLoopUntil(mapped, kMapWaitMilliseconds);
  g_signal_handler_disconnect(window, handler);
}

// The whole window, frame included, in screen pixels.
GdkRectangle OuterRectangle(GtkWidget* window) {
  GdkRectangle outer;
  gdk_window_get_frame_extents(gtk_widget_get_window(window), &outer);
  return outer;
}

// Where the whole window's top left goes for it to be centred on the primary
// display, its size limited to the display's.
GdkPoint CentredPosition(GdkRectangle outer) {
  GdkRectangle screen = gtk::PrimaryMonitorGeometry();
  int width = std::min(outer.width, screen.width);
  int height = std::min(outer.height, screen.height);
  return {screen.x + (screen.width - width) / 2,
          screen.y + (screen.height - height) / 2};
}

}  // namespace

void OpenWindow(int window, const std::string& title, int clientWidth,
                int clientHeight, WindowStyle style) {
  CloseWindow(window);
  if (!gtk::HaveDisplay()) {
    std::fprintf(stderr, "quorvel: no display to show the window on\n");
    return;
  }
  gtk::WindowRecord& record = gtk::Windows()[window];
  record.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  record.clientArea =
      gtk::NewClientArea(std::max(clientWidth, 1), std::max(clientHeight, 1));
  GtkWindow* toplevel = GTK_WINDOW(record.window);
  gtk_window_set_title(toplevel, gtk::DisplayText(title).c_str());
  gtk_window_set_resizable(toplevel, FALSE);
  if (style == WindowStyle::kTool) {
    gtk_window_set_type_hint(toplevel, GDK_WINDOW_TYPE_HINT_UTILITY);
    gtk_window_set_deletable(toplevel, FALSE);
    gtk_window_set_skip_taskbar_hint(toplevel, TRUE);
    gtk_window_set_skip_pager_hint(toplevel, TRUE);
  }
  gtk_container_add(GTK_CONTAINER(record.window), record.clientArea);
  g_signal_connect(record.window, "delete-event", G_CALLBACK(CloseRequested),
                   GINT_TO_POINTER(window));
  g_signal_connect(record.window, "key-press-event",
                   G_CALLBACK(SwallowKeyInDisabledWindow),
                   GINT_TO_POINTER(window));
  g_signal_connect(record.window, "key-release-event",
                   G_CALLBACK(SwallowKeyInDisabledWindow),
                   GINT_TO_POINTER(window));
  gtk_widget_realize(record.window);
  SetFrameHints(record.window, style);
}

void CentreWindow(int window) {
  gtk::WindowRecord* record = gtk::FindWindow(window);
  if (record == nullptr) return;
  if (!record->shown) {
    record->centreWhenShown = true;
    record->topWhenShown.reset();
    return;
  }
  GdkPoint centred = CentredPosition(OuterRectangle(record->window));
  gtk_window_move(GTK_WINDOW(record->window), centred.x, centred.y);
}

void SetWindowTopmost(int window, bool topmost) {
  gtk::WindowRecord* record = gtk::FindWindow(window);
  if (record == nullptr) return;
  gtk_window_set_keep_above(GTK_WINDOW(record->window), topmost);
}

// The look stays as it is, as on other desktops where a window waiting for
// another simply takes no input.
void EnableWindow(int window, bool enabled) {
  gtk::WindowRecord* record = gtk::FindWindow(window);
  if (record == nullptr) return;
  record->enabled = enabled;
}

void SetWindowHeightAndTop(int window, int clientHeight, int top) {
  gtk::WindowRecord* record = gtk::FindWindow(window);
  if (record == nullptr) return;
  gtk::SetClientAreaHeight(record->clientArea, std::max(clientHeight, 1));
  if (!record->shown) {
    record->topWhenShown = top;
    return;
  }
  GdkRectangle outer = OuterRectangle(record->window);
  gtk_window_move(GTK_WINDOW(record->window), outer.x, top);
}

void CloseWindow(int window) {
  gtk::WindowRecord* record = gtk::FindWindow(window);
  if (record == nullptr) return;
  std::vector<int> owned;
  for (const auto& [number, control] : gtk::Controls()) {
    if (control.window == window) owned.push_back(number);
  }
  for (int number : owned) gtk::RemoveControl(number);
  GtkWidget* toplevel = record->window;
  gtk::Windows().erase(window);
  gtk_widget_destroy(toplevel);
}

namespace gtk {

// Mapped only now, the window's first frame shows every control the program
// created after opening it; mapped at once, it would show the window empty
// and then half built (a control's change is drawn at once, see
// ShowChangeNow).
void ShowNewWindows() {
  for (auto& [unused, record] : Windows()) {
    if (record.shown) continue;
    record.shown = true;
    ShowAndWaitUntilMapped(record.window);
    if (!record.centreWhenShown && !record.topWhenShown) continue;
    GdkRectangle outer = OuterRectangle(record.window);
    GdkPoint place = record.centreWhenShown ? CentredPosition(outer)
                                            : GdkPoint{outer.x, outer.y};
    if (record.topWhenShown) place.y = *record.topWhenShown;
    gtk_window_move(GTK_WINDOW(record.window), place.x, place.y);
  }
}

}  // namespace gtk
}  // namespace platform
