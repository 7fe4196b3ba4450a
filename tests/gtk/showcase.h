// A window with every kind of control, as the program's windows use them:
// the tests look at it on screen, and kameng_showcase shows it.
#pragma once

#include "platform/framework.h"

#include <string>

namespace kameng::gtk::testing {

// The page that the showcase's browser box shows.
extern const char* const kShowcasePage;

// "Showcase": its browser box loads `pageAddress`; the created handler puts
// the link into the status bar as the main window does.
WindowDescription showcaseWindow(Framework& framework, const std::string& pageAddress);

}  // namespace kameng::gtk::testing
