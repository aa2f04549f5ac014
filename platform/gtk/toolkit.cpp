// Start and end of the toolkit, the records of windows and controls, and the
// event queue that WaitForEvent drains.
#include <gtk/gtk.h>

#include <deque>
#include <map>

#include "platform/gtk/control_style.h"
#include "platform/gtk/toolkit_state.h"

namespace platform {
namespace {

bool gHaveDisplay = false;
std::map<int, gtk::WindowRecord> gWindows;
std::map<int, gtk::ControlRecord> gControls;
std::deque<Event> gEvents;

// A change is on screen once the window's frame clock has painted; this
// bounds the wait when nothing gets painted (the window is covered, say).
constexpr guint kPaintWaitMilliseconds = 100;

}  // namespace

namespace gtk {

bool HaveDisplay() { return gHaveDisplay; }

WindowRecord* FindWindow(int window) {
  auto found = gWindows.find(window);
  return found == gWindows.end() ? nullptr : &found->second;
}

std::map<int, WindowRecord>& Windows() { return gWindows; }

ControlRecord* FindControl(int control) {
  auto found = gControls.find(control);
  return found == gControls.end() ? nullptr : &found->second;
}

std::map<int, ControlRecord>& Controls() { return gControls; }

void QueueEvent(int window, Event event) {
  WindowRecord* record = FindWindow(window);
  if (record == nullptr || !record->enabled) return;
  gEvents.push_back(event);
}

void RemoveControl(int control) {
  ControlRecord* record = FindControl(control);
  if (record == nullptr) return;
  GtkWidget* outer = record->outer;
  if (record->picture) g_object_unref(record->picture);
  gControls.erase(control);
  if (outer) gtk_widget_destroy(outer);
}

namespace {

gboolean NoteTimeUp(gpointer timeUp) {
  *static_cast<bool*>(timeUp) = true;
  return G_SOURCE_REMOVE;
}

void NotePainted(GdkFrameClock*, gpointer painted) {
  *static_cast<bool*>(painted) = true;
}

}  // namespace

void RunMainLoopUntil(const bool& done, guint milliseconds) {
  bool timeUp = false;
  guint timer = g_timeout_add(milliseconds, NoteTimeUp, &timeUp);
  while (!done && !timeUp) g_main_context_iteration(nullptr, TRUE);
  if (!timeUp) g_source_remove(timer);
}

void ShowChangeNow(GtkWidget* widget) {
  GtkWidget* toplevel = gtk_widget_get_toplevel(widget);
  if (!gtk_widget_get_mapped(toplevel)) return;
  GdkFrameClock* clock = gtk_widget_get_frame_clock(toplevel);
  if (clock == nullptr) return;
  gtk_widget_queue_draw(widget);
  bool painted = false;
  gulong handler =
      g_signal_connect(clock, "after-paint", G_CALLBACK(NotePainted), &painted);
  RunMainLoopUntil(painted, kPaintWaitMilliseconds);
  g_signal_handler_disconnect(clock, handler);
  gdk_display_flush(gtk_widget_get_display(toplevel));
}

}  // namespace gtk

void StartToolkit() {
  // X11 first, also under Wayland (through XWayland): only there can a
  // program place its windows and keep them above others.
  gdk_set_allowed_backends("x11,*");
  // Without a display the program still runs (a silent check needs no
  // window); a window it asks for is reported as impossible instead.
  gHaveDisplay = gtk_init_check(nullptr, nullptr);
  if (gHaveDisplay) gtk::InstallToolkitStyle();
}

void EndToolkit() {
  while (!gWindows.empty()) CloseWindow(gWindows.begin()->first);
  gEvents.clear();
  if (!gHaveDisplay) return;
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

Event WaitForEvent() {
  gtk::ShowNewWindows();
  while (gEvents.empty()) {
    // Nothing could ever arrive: end the program's loop as a close would.
    if (!gHaveDisplay || gWindows.empty()) return {EventKind::kClose, 0};
    g_main_context_iteration(nullptr, TRUE);
  }
  Event event = gEvents.front();
  gEvents.pop_front();
  return event;
}

}  // namespace platform
