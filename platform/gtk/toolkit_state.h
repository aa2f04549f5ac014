// What the GTK toolkit keeps about the program's windows and controls, and
// the few helpers its files share.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform::gtk {

struct WindowRecord {
  GtkWidget* window = nullptr;
  GtkWidget* clientArea = nullptr;  // holds the controls at their places
  bool enabled = true;
  // A new window goes on screen when the program next waits for input, with
  // all the controls it has created by then; until then its placement is
  // only noted, since it needs the window manager's frame.
  bool shown = false;
  bool centreWhenShown = false;
  std::optional<int> topWhenShown;
};

struct ControlRecord {
  int window = 0;
  ControlKind kind = ControlKind::kLabel;
  GtkWidget* outer = nullptr;  // the widget placed in the client area
  GtkWidget* inner = nullptr;  // the widget that shows the content
  std::string text;            // the bytes as the program gave them
  bool sunkenBorder = false;
  const Font* font = nullptr;  // nullptr: the default control font
  std::optional<Rgb> textColour;
  std::optional<Rgb> fillColour;
  GdkPixbuf* picture = nullptr;  // a picture control's content, owned
};

// False when no display could be opened: every window call is then a no-op.
bool HaveDisplay();

WindowRecord* FindWindow(int window);
std::map<int, WindowRecord>& Windows();
ControlRecord* FindControl(int control);
std::map<int, ControlRecord>& Controls();

// Queues an event for WaitForEvent, unless the window it belongs to is
// disabled (a disabled window takes no input).
void QueueEvent(int window, Event event);

// Draws a changed control at once: the program may hold the thread for seconds
// (a check) without returning to the event wait.
void ShowChangeNow(GtkWidget* widget);

// Runs GTK's main loop until done is set or the milliseconds have passed.
void RunMainLoopUntil(const bool& done, guint milliseconds);

// Puts the windows opened since the last wait on screen, in their places.
void ShowNewWindows();

// Forgets a control and destroys its widgets.
void RemoveControl(int control);

}  // namespace platform::gtk
