#include "platform/gtk/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>

namespace kameng::gtk {
namespace {

constexpr gint64 kAnswerWaitUs = 500 * 1000;

std::optional<FrameExtents> readFrameProperty(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(display, window, property, 0, 4, False, XA_CARDINAL, &type,
                                    &format, &count, &after, &data);
    std::optional<FrameExtents> result;
    if (status == Success && type == XA_CARDINAL && format == 32 && count == 4) {
        // Format-32 data comes as longs; the order is left, right, top, bottom.
        auto* values = reinterpret_cast<long*>(data);
        result = FrameExtents{static_cast<int>(values[0]), static_cast<int>(values[2]),
                              static_cast<int>(values[1]), static_cast<int>(values[3])};
    }
    if (data) XFree(data);
    return result;
}

}  // namespace

std::optional<FrameExtents> requestFrameExtents(GdkWindow* window) {
    if (!window || !GDK_IS_X11_WINDOW(window)) return std::nullopt;
    GdkScreen* screen = gdk_window_get_screen(window);
    if (!gdk_x11_screen_supports_net_wm_hint(
            screen, gdk_atom_intern_static_string("_NET_REQUEST_FRAME_EXTENTS")))
        return std::nullopt;
    Display* display = GDK_WINDOW_XDISPLAY(window);
    Window xid = GDK_WINDOW_XID(window);
    Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = xid;
    event.xclient.message_type = request;
    event.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);

    gint64 deadline = g_get_monotonic_time() + kAnswerWaitUs;
    do {
        XSync(display, False);
        if (auto found = readFrameProperty(display, xid, extents)) return found;
        g_usleep(2000);
    } while (g_get_monotonic_time() < deadline);
    return std::nullopt;
}

std::uintptr_t nativeWindowId(GdkWindow* window) {
    return window && GDK_IS_X11_WINDOW(window) ? GDK_WINDOW_XID(window) : 0;
}

FrameExtents currentFrameExtents(GdkWindow* window) {
    if (window && GDK_IS_X11_WINDOW(window)) {
        Display* display = GDK_WINDOW_XDISPLAY(window);
        Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
        if (auto stated = readFrameProperty(display, GDK_WINDOW_XID(window), extents)) return *stated;
    }
    GdkRectangle frame{};
    gdk_window_get_frame_extents(window, &frame);
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    int width = gdk_window_get_width(window);
    int height = gdk_window_get_height(window);
    FrameExtents e;
    e.left = std::max(0, x - frame.x);
    e.top = std::max(0, y - frame.y);
    e.right = std::max(0, frame.width - width - e.left);
    e.bottom = std::max(0, frame.height - height - e.top);
    return e;
}

}  // namespace kameng::gtk
