// What a user does to the GTK back end's windows, done through the X server
// as a user's input would arrive: a pointer click (XTest), a close request
// and a minimise request as the window manager sends them.
#pragma once

#include "platform/gtk/gtk_framework.h"

#include <initializer_list>

namespace kameng::gtk::testing {

// Where the control is shown, relative to its window's client area.
Rect shownRectInClient(const GtkFramework& framework, const ControlId& control);
// Dispatches events until the window is on screen at its size (at most a
// few seconds).
bool waitUntilViewable(GtkFramework& framework, std::string_view window);

// Presses and releases the left button over the centre of the control, or
// over a point of it (relative to the control).
void clickControl(GtkFramework& framework, const ControlId& control);
void clickControlAt(GtkFramework& framework, const ControlId& control, int x, int y,
                    std::initializer_list<unsigned long> modifiers = {});
// Drags with the left button from a point of the control by (dx, dy).
void dragControl(GtkFramework& framework, const ControlId& control, int x, int y, int dx, int dy);
// Moves the pointer to a point of the control (relative to the control).
void movePointerTo(GtkFramework& framework, const ControlId& control, int x, int y);
// Presses and releases a key (an X keysym) with modifier keys held.
void pressKey(unsigned long keysym, std::initializer_list<unsigned long> modifiers = {});
// Dispatches events until the window has the keyboard focus.
bool waitUntilActive(GtkFramework& framework, std::string_view window);
void requestClose(GtkFramework& framework, std::string_view window);
void requestMinimise(GtkFramework& framework, std::string_view window);

}  // namespace kameng::gtk::testing
