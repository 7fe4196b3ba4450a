// The box every visible control lives in: a widget with its own GdkWindow
// that always takes exactly the control's size, clips what its child draws
// beyond it, and is the unit that is stacked among the control's siblings.
#pragma once

#include <gtk/gtk.h>

namespace kameng::gtk {

// A new slot of the given size (negative sizes count as 0).
GtkWidget* controlSlotNew(int width, int height);
void controlSlotSetSize(GtkWidget* slot, int width, int height);
bool isControlSlot(GtkWidget* widget);

}  // namespace kameng::gtk
