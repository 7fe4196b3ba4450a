// Looking at the screen the way a user (or the X tools) sees it.
#pragma once

#include "platform/description.h"
#include "platform/framework.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <optional>
#include <string>

namespace kameng::gtk {
class GtkFramework;
}

namespace kameng::gtk::testing {

// The colour of one pixel of the screen.
Rgb pixelOnScreen(int x, int y);

// The pixels of one rectangle of the screen at the time it was taken.
class ScreenShot {
public:
    explicit ScreenShot(Rect area);
    ~ScreenShot();
    ScreenShot(const ScreenShot&) = delete;
    ScreenShot& operator=(const ScreenShot&) = delete;
    bool valid() const { return pixbuf_ != nullptr; }
    // A pixel of the area, counted from its top-left corner.
    Rgb at(int x, int y) const;
    // How many pixels of the sub-rectangle are near the colour.
    int count(Rect within, Rgb colour, int tolerance = 24) const;
    bool save(const std::string& path) const;

private:
    GdkPixbuf* pixbuf_ = nullptr;
};

// Where the window's client area lies on the screen.
Rect clientOnScreen(const GtkFramework& framework, std::string_view window);
// Whether two colours differ by at most `tolerance` in every channel.
bool near(Rgb a, Rgb b, int tolerance = 24);

// What xwininfo reports for the X window: its frame (with -frame) or the
// window itself, in screen coordinates. Empty when xwininfo fails.
std::optional<Rect> xwininfoRect(NativeHandle window, bool frame);
// The text xprop prints for one property of the window.
std::string xpropText(NativeHandle window, const std::string& property);

}  // namespace kameng::gtk::testing
