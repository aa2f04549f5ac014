// The program's own CSS: it keeps theme paddings and minimum sizes from
// pushing controls off their sizes, and carries each control's font and
// colours for the controls that GTK draws itself.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "platform/platform.h"

namespace platform::gtk {

void InstallToolkitStyle();

// Names the widget after the control and gives it the program's style class.
void MarkControlWidget(GtkWidget* widget, int control);

// Applies the fonts and colours of every control that GTK draws itself.
void RestyleControls();

std::string CssColour(Rgb colour);

}  // namespace platform::gtk
