#include "platform/gtk/control_slot.h"

#include <algorithm>

namespace {

struct KamengSlot {
    GtkEventBox parent;
    int width;
    int height;
};

struct KamengSlotClass {
    GtkEventBoxClass parent_class;
};

G_DEFINE_TYPE(KamengSlot, kameng_slot, GTK_TYPE_EVENT_BOX)

KamengSlot* asSlot(GtkWidget* widget) {
    return G_TYPE_CHECK_INSTANCE_CAST(widget, kameng_slot_get_type(), KamengSlot);
}

void preferredWidth(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = asSlot(widget)->width;
}

void preferredHeight(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = asSlot(widget)->height;
}

// The child gets the slot's whole area, or its own minimum where that is
// larger (GTK warns when a widget gets less); the slot's window clips it.
void sizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
    gtk_widget_set_allocation(widget, allocation);
    if (gtk_widget_get_realized(widget)) {
        // An X window cannot be empty: an empty control is parked outside
        // its parent instead.
        bool empty = allocation->width <= 0 || allocation->height <= 0;
        gdk_window_move_resize(gtk_widget_get_window(widget), empty ? -1 : allocation->x,
                               empty ? -1 : allocation->y, std::max(1, allocation->width),
                               std::max(1, allocation->height));
    }
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget));
    if (!child || !gtk_widget_get_visible(child)) return;
    int minWidth = 0, minHeight = 0;
    gtk_widget_get_preferred_width(child, &minWidth, nullptr);
    gtk_widget_get_preferred_height(child, &minHeight, nullptr);
    GtkAllocation inner{0, 0, std::max(allocation->width, minWidth),
                        std::max(allocation->height, minHeight)};
    gtk_widget_size_allocate(child, &inner);
}

void kameng_slot_class_init(KamengSlotClass* klass) {
    auto* widgetClass = GTK_WIDGET_CLASS(klass);
    widgetClass->get_preferred_width = preferredWidth;
    widgetClass->get_preferred_height = preferredHeight;
    widgetClass->size_allocate = sizeAllocate;
}

void kameng_slot_init(KamengSlot* slot) {
    slot->width = 0;
    slot->height = 0;
}

}  // namespace

namespace kameng::gtk {

GtkWidget* controlSlotNew(int width, int height) {
    auto* slot = static_cast<GtkWidget*>(g_object_new(kameng_slot_get_type(), nullptr));
    gtk_event_box_set_visible_window(GTK_EVENT_BOX(slot), TRUE);
    controlSlotSetSize(slot, width, height);
    return slot;
}

void controlSlotSetSize(GtkWidget* slot, int width, int height) {
    KamengSlot* s = asSlot(slot);
    width = std::max(0, width);
    height = std::max(0, height);
    if (s->width == width && s->height == height) return;
    s->width = width;
    s->height = height;
    gtk_widget_queue_resize(slot);
}

bool isControlSlot(GtkWidget* widget) {
    return widget && G_TYPE_CHECK_INSTANCE_TYPE(widget, kameng_slot_get_type());
}

}  // namespace kameng::gtk
