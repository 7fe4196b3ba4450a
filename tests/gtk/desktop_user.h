// What a user does to the GTK back end's windows, done through the X server
// as a user's input would arrive: a pointer click (XTest), a close request
// and a minimise request as the window manager sends them.
#pragma once

#include "platform/gtk/gtk_framework.h"

namespace kameng::gtk::testing {

// Where the control is shown, relative to its window's client area.
Rect shownRectInClient(const GtkFramework& framework, const ControlId& control);
// Dispatches events until the window is on screen at its size (at most a
// few seconds).
bool waitUntilViewable(GtkFramework& framework, std::string_view window);

// Presses and releases the left button over the centre of the control.
void clickControl(GtkFramework& framework, const ControlId& control);
// Moves the pointer to a point of the control (relative to the control).
void movePointerTo(GtkFramework& framework, const ControlId& control, int x, int y);
void requestClose(GtkFramework& framework, std::string_view window);
void requestMinimise(GtkFramework& framework, std::string_view window);

}  // namespace kameng::gtk::testing
