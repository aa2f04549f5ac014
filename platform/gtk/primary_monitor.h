// The primary display, as GDK reports it now.
#pragma once

#include <gtk/gtk.h>

namespace platform::gtk {

// Its rectangle in screen pixels; empty when there is no display.
GdkRectangle PrimaryMonitorGeometry();

}  // namespace platform::gtk
