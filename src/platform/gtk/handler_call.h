// Calling the program's event handlers from GTK's signal callbacks.
#pragma once

#include "platform/description.h"

namespace kameng::gtk {

// Runs a copy of the handler, so that the handler may destroy the window
// that holds it. Exceptions must not unwind through GTK's C frames: one that
// escapes a handler is reported on stderr and dropped.
void callHandler(const Handler& handler, EventArgs& args);

}  // namespace kameng::gtk
