#include "platform/gtk/handler_call.h"

#include <glib.h>

#include <exception>

namespace kameng::gtk {

void callHandler(const Handler& handler, EventArgs& args) {
    Handler copy = handler;
    try {
        copy(args);
    } catch (const std::exception& e) {
        g_printerr("kameng: an event handler failed: %s\n", e.what());
    } catch (...) {
        g_printerr("kameng: an event handler failed\n");
    }
}

}  // namespace kameng::gtk
