#include "desktop_user.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>

#include <algorithm>
#include <iterator>

namespace kameng::gtk::testing {
namespace {

Display* xDisplay() { return gdk_x11_display_get_xdisplay(gdk_display_get_default()); }

Window xWindowOf(const GtkFramework& framework, std::string_view window) {
    return static_cast<Window>(framework.windowHandle(ControlId(window)));
}

Rect propertyRect(const GtkFramework& framework, const ControlId& control) {
    return {framework.getProperty(control, prop::Left).number(),
            framework.getProperty(control, prop::Top).number(),
            framework.getProperty(control, prop::Width).number(),
            framework.getProperty(control, prop::Height).number()};
}

}  // namespace

Rect shownRectInClient(const GtkFramework& framework, const ControlId& control) {
    GtkWidget* top = framework.widgetOf(ControlId(control.window));
    GtkWidget* widget = framework.widgetOf(control);
    if (!top || !widget || !gtk_widget_get_mapped(widget)) return propertyRect(framework, control);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
    return {x, y, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)};
}

bool waitUntilViewable(GtkFramework& framework, std::string_view window) {
    const gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
    for (;;) {
        GtkWidget* top = framework.widgetOf(ControlId(window));
        if (!top) return false;
        GdkWindow* gdkWindow = gtk_widget_get_window(top);
        // Mapped is not enough: the window manager may map it before the
        // window has taken its size.
        if (gdkWindow && gdk_window_is_viewable(gdkWindow) &&
            gdk_window_get_width(gdkWindow) == std::max(1, framework.clientWidth(window)) &&
            gdk_window_get_height(gdkWindow) == std::max(1, framework.clientHeight(window)))
            return true;
        if (g_get_monotonic_time() > deadline) return false;
        framework.waitForEvents(10);
    }
}

// A user cannot point at a control before it is drawn where it belongs: GTK
// lays a window out only after the window manager has given it its size.
void waitUntilLaidOut(GtkFramework& framework, const ControlId& control) {
    if (!waitUntilViewable(framework, control.window)) return;
    const gint64 deadline = g_get_monotonic_time() + 5 * G_USEC_PER_SEC;
    for (;;) {
        GtkWidget* top = framework.widgetOf(ControlId(control.window));
        GtkWidget* widget = control.isWindow() ? top : framework.widgetOf(control);
        if (!top || !widget) return;
        const Rect wanted = propertyRect(framework, control);
        const bool topLaidOut = gtk_widget_get_allocated_width(top) == framework.clientWidth(control.window) &&
                                gtk_widget_get_allocated_height(top) == framework.clientHeight(control.window);
        const bool laidOut = control.isWindow() || !gtk_widget_get_visible(widget) ||
                             (gtk_widget_get_mapped(widget) &&
                              gtk_widget_get_allocated_width(widget) == std::max(0, wanted.width) &&
                              gtk_widget_get_allocated_height(widget) == std::max(0, wanted.height));
        if ((topLaidOut && laidOut) || g_get_monotonic_time() > deadline) return;
        framework.waitForEvents(10);
    }
}

void movePointerTo(GtkFramework& framework, const ControlId& control, int x, int y) {
    waitUntilLaidOut(framework, control);
    GtkWidget* top = framework.widgetOf(ControlId(control.window));
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(top), &originX, &originY);
    const Rect r = shownRectInClient(framework, control);
    Display* display = xDisplay();
    XTestFakeMotionEvent(display, -1, originX + r.left + x, originY + r.top + y, CurrentTime);
    XFlush(display);
}

void clickControl(GtkFramework& framework, const ControlId& control) {
    const Rect r = shownRectInClient(framework, control);
    clickControlAt(framework, control, r.width / 2, r.height / 2);
}

void clickControlAt(GtkFramework& framework, const ControlId& control, int x, int y,
                    std::initializer_list<unsigned long> modifiers) {
    movePointerTo(framework, control, x, y);
    Display* display = xDisplay();
    for (unsigned long modifier : modifiers)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    for (unsigned long modifier : modifiers)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), False, CurrentTime);
    XFlush(display);
}

void dragControl(GtkFramework& framework, const ControlId& control, int x, int y, int dx, int dy) {
    movePointerTo(framework, control, x, y);
    GtkWidget* top = framework.widgetOf(ControlId(control.window));
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(top), &originX, &originY);
    const Rect r = shownRectInClient(framework, control);
    const int startX = originX + r.left + x, startY = originY + r.top + y;
    Display* display = xDisplay();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XFlush(display);
    // In steps, with time for the window manager to follow each.
    constexpr int steps = 10;
    for (int i = 1; i <= steps; ++i) {
        framework.waitForEvents(20);
        XTestFakeMotionEvent(display, -1, startX + dx * i / steps, startY + dy * i / steps, CurrentTime);
        XFlush(display);
    }
    framework.waitForEvents(20);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void pressKey(unsigned long keysym, std::initializer_list<unsigned long> modifiers) {
    Display* display = xDisplay();
    for (unsigned long modifier : modifiers)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, CurrentTime);
    const KeyCode key = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, *it), False, CurrentTime);
    XFlush(display);
}

bool waitUntilActive(GtkFramework& framework, std::string_view window) {
    if (!waitUntilViewable(framework, window)) return false;
    const gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
    for (;;) {
        GtkWidget* top = framework.widgetOf(ControlId(window));
        if (!top) return false;
        if (gtk_window_is_active(GTK_WINDOW(top))) return true;
        if (g_get_monotonic_time() > deadline) return false;
        framework.waitForEvents(10);
    }
}

void requestClose(GtkFramework& framework, std::string_view window) {
    Display* display = xDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = xWindowOf(framework, window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
}

void requestMinimise(GtkFramework& framework, std::string_view window) {
    waitUntilViewable(framework, window);
    Display* display = xDisplay();
    XIconifyWindow(display, xWindowOf(framework, window), DefaultScreen(display));
    XFlush(display);
}

}  // namespace kameng::gtk::testing
