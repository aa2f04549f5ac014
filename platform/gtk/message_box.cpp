#include <gtk/gtk.h>

#include <cstdio>

#include "platform/gtk/display_text.h"
#include "platform/gtk/toolkit_state.h"

namespace platform {

void ShowMessageBox(const std::string* title, const std::string& text) {
  // GTK has no title of its own for a dialog; the application's name is what
  // the desktop shows for an untitled window of the program.
  const char* programName = g_get_application_name();
  std::string shownTitle = title         ? gtk::DisplayText(*title)
                           : programName ? programName
                                         : "";
  std::string shownText = gtk::DisplayText(text);
  if (!gtk::HaveDisplay()) {
    std::fprintf(stderr, "%s: %s\n", shownTitle.c_str(), shownText.c_str());
    return;
  }
  GtkWidget* box =
      gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                             GTK_BUTTONS_OK, "%s", shownText.c_str());
  gtk_window_set_title(GTK_WINDOW(box), shownTitle.c_str());
  gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

}  // namespace platform
