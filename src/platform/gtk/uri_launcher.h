// Handing addresses to the user's programs through GIO.
#pragma once

#include <string_view>

namespace kameng::gtk {

// Opens the address with the default handler for its scheme. False when no
// program took it.
bool launchDefaultForUri(std::string_view address);
// Opens the address with the program registered for web pages (text/html).
bool launchHtmlViewer(std::string_view address);

}  // namespace kameng::gtk
