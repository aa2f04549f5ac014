#include "platform/gtk/primary_monitor.h"

#include "platform/gtk/toolkit_state.h"

namespace platform {

namespace gtk {

GdkRectangle PrimaryMonitorGeometry() {
  GdkRectangle geometry{0, 0, 0, 0};
  if (!HaveDisplay()) return geometry;
  GdkDisplay* display = gdk_display_get_default();
  // Without a primary chosen (a bare X server, say) the first monitor is the
  // one the desktop puts its panels on.
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr && gdk_display_get_n_monitors(display) > 0) {
    monitor = gdk_display_get_monitor(display, 0);
  }
  if (monitor != nullptr) gdk_monitor_get_geometry(monitor, &geometry);
  return geometry;
}

}  // namespace gtk

DisplaySize PrimaryDisplaySize() {
  GdkRectangle geometry = gtk::PrimaryMonitorGeometry();
  return {geometry.width, geometry.height};
}

}  // namespace platform
