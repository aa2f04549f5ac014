// A window's client area: controls sit at exactly the position and size the
// program gives them, whatever their content or the theme would ask for, and
// the area is exactly the client size, even when a control reaches past it.
#pragma once

#include <gtk/gtk.h>

namespace platform::gtk {

GtkWidget* NewClientArea(int width, int height);
void SetClientAreaHeight(GtkWidget* area, int height);

// Places a control; its size is its size request.
void PutControl(GtkWidget* area, GtkWidget* control, int x, int y, int width,
                int height);

}  // namespace platform::gtk
