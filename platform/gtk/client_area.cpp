#include "platform/gtk/client_area.h"

namespace {

struct ClientArea {
  GtkFixed parent;
  int width;
  int height;
};

struct ClientAreaClass {
  GtkFixedClass parentClass;
};

G_DEFINE_TYPE(ClientArea, client_area, GTK_TYPE_FIXED)

ClientArea* AsClientArea(GtkWidget* widget) {
  return G_TYPE_CHECK_INSTANCE_CAST(widget, client_area_get_type(), ClientArea);
}

void PreferredWidth(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = *natural = AsClientArea(widget)->width;
}

void PreferredHeight(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = *natural = AsClientArea(widget)->height;
}

// GtkFixed would give each child at least its minimum size; a control here
// gets its own rectangle, no more and no less, and paints nothing outside it
// (not even the theme's drop shadow of a button).
void AllocateChild(GtkWidget* child, gpointer areaWidget) {
  auto* area = static_cast<GtkWidget*>(areaWidget);
  if (!gtk_widget_get_visible(child)) return;
  GtkAllocation origin;
  gtk_widget_get_allocation(area, &origin);
  int x = 0, y = 0;
  gtk_container_child_get(GTK_CONTAINER(area), child, "x", &x, "y", &y,
                          nullptr);
  GtkAllocation place;
  gtk_widget_get_size_request(child, &place.width, &place.height);
  GtkRequisition ignored;
  gtk_widget_get_preferred_size(child, &ignored, nullptr);
  place.x = origin.x + x;
  place.y = origin.y + y;
  gtk_widget_size_allocate(child, &place);
  gtk_widget_set_clip(child, &place);
}

void Allocate(GtkWidget* widget, GtkAllocation* allocation) {
  gtk_widget_set_allocation(widget, allocation);
  gtk_container_forall(GTK_CONTAINER(widget), AllocateChild, widget);
}

void client_area_class_init(ClientAreaClass* areaClass) {
  GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(areaClass);
  widgetClass->get_preferred_width = PreferredWidth;
  widgetClass->get_preferred_height = PreferredHeight;
  widgetClass->size_allocate = Allocate;
}

void client_area_init(ClientArea* area) {
  area->width = 0;
  area->height = 0;
}

}  // namespace

namespace platform::gtk {

GtkWidget* NewClientArea(int width, int height) {
  GtkWidget* area = GTK_WIDGET(g_object_new(client_area_get_type(), nullptr));
  AsClientArea(area)->width = width;
  AsClientArea(area)->height = height;
  return area;
}

void SetClientAreaHeight(GtkWidget* area, int height) {
  AsClientArea(area)->height = height;
  gtk_widget_queue_resize(area);
}

void PutControl(GtkWidget* area, GtkWidget* control, int x, int y, int width,
                int height) {
  gtk_widget_set_size_request(control, width, height);
  if (gtk_widget_get_parent(control) == area) {
    gtk_fixed_move(GTK_FIXED(area), control, x, y);
  } else {
    gtk_fixed_put(GTK_FIXED(area), control, x, y);
  }
}

}  // namespace platform::gtk
