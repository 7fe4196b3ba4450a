#include "platform/gtk/gtk_desktop_services.h"

#include "platform/gtk/uri_launcher.h"

#include <malloc.h>

namespace kameng::gtk {

bool GtkDesktopServices::openInDefaultBrowser(std::string_view address) {
    return launchDefaultForUri(address);
}

void GtkDesktopServices::trimMemory() { malloc_trim(0); }

}  // namespace kameng::gtk
