// The controls the toolkit paints itself, so that they look alike at exactly
// their sizes: picture, text label, frame and group box. Each is a widget
// without a window of its own, painted in creation order, so that a control
// created later lies on top and the inside of a frame shows what is under it.
#pragma once

#include <gtk/gtk.h>

namespace platform::gtk {

// A widget that paints the given control from its record.
GtkWidget* NewPaintedControl(int control);

}  // namespace platform::gtk
