// Looking at the screen the way a user (or the X tools) sees it.
#pragma once

#include "platform/description.h"
#include "platform/framework.h"

#include <optional>
#include <string>

namespace kameng::gtk::testing {

// The colour of one pixel of the screen.
Rgb pixelOnScreen(int x, int y);
// Whether two colours differ by at most `tolerance` in every channel.
bool near(Rgb a, Rgb b, int tolerance = 24);

// What xwininfo reports for the X window: its frame (with -frame) or the
// window itself, in screen coordinates. Empty when xwininfo fails.
std::optional<Rect> xwininfoRect(NativeHandle window, bool frame);
// The text xprop prints for one property of the window.
std::string xpropText(NativeHandle window, const std::string& property);

}  // namespace kameng::gtk::testing
