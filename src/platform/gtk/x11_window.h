// The X11 side of top-level windows: their ids and the window manager's
// frame around them. (Xlib's macros stay inside the .cpp file.)
#pragma once

#include <gdk/gdk.h>

#include <cstdint>
#include <optional>

namespace kameng::gtk {

struct FrameExtents {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameExtents&) const = default;
};

// Asks the window manager which frame it will give the realized, not yet
// mapped window (_NET_REQUEST_FRAME_EXTENTS) and waits briefly for the
// answer. Empty when there is no window manager or it does not answer.
std::optional<FrameExtents> requestFrameExtents(GdkWindow* window);

// The X11 id of a realized window, 0 when it is not an X11 window.
std::uintptr_t nativeWindowId(GdkWindow* window);

// The frame of a mapped window as the window manager states it
// (_NET_FRAME_EXTENTS), else as measured from the frame window.
FrameExtents currentFrameExtents(GdkWindow* window);

}  // namespace kameng::gtk
