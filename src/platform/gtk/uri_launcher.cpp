#include "platform/gtk/uri_launcher.h"

#include "platform/gtk/gobject_ptr.h"

#include <gio/gio.h>

#include <string>

namespace kameng::gtk {

bool launchDefaultForUri(std::string_view address) {
    if (address.empty()) return false;
    std::string uri(address);
    GError* error = nullptr;
    gboolean ok = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
    GErrorPtr owned(error);
    return ok;
}

bool launchHtmlViewer(std::string_view address) {
    if (address.empty()) return false;
    GObjectPtr<GAppInfo> viewer(g_app_info_get_default_for_type("text/html", FALSE));
    if (!viewer) return false;
    std::string uri(address);
    GList uris{};
    uris.data = uri.data();
    GError* error = nullptr;
    gboolean ok = g_app_info_supports_uris(viewer.get())
                      ? g_app_info_launch_uris(viewer.get(), &uris, nullptr, &error)
                      : FALSE;
    GErrorPtr owned(error);
    return ok;
}

}  // namespace kameng::gtk
