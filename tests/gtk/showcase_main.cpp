// kameng_showcase [screenshot.png]: shows the showcase window with its page
// served on 127.0.0.1. With a file name it saves a picture of the screen
// once the page has loaded, and ends.
#include "loopback_server.h"
#include "platform/gtk/gtk_framework.h"
#include "showcase.h"

#include <gtk/gtk.h>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace kameng;
    using namespace kameng::gtk::testing;
    if (!gtk::GtkFramework::initialiseToolkit()) {
        std::fputs("kameng_showcase: cannot open the display\n", stderr);
        return 1;
    }
    LoopbackServer server{{{"/", {.body = kShowcasePage}}}};
    gtk::GtkFramework framework;
    WindowDescription window = showcaseWindow(framework, server.url("/"));
    const char* picture = argc > 1 ? argv[1] : nullptr;
    bool loaded = false;
    for (auto& control : window.controls)
        if (control.kind == Kind::Browser)
            control.handlers.on(Event::DocumentComplete, [&](EventArgs&) { loaded = true; });
    framework.loadWindow(window);
    if (!picture) return framework.run();

    const gint64 deadline = g_get_monotonic_time() + 30 * G_USEC_PER_SEC;
    while (!loaded && g_get_monotonic_time() < deadline) framework.waitForEvents(50);
    const gint64 settled = g_get_monotonic_time() + G_USEC_PER_SEC;
    while (g_get_monotonic_time() < settled) framework.waitForEvents(50);
    GdkWindow* root = gdk_get_default_root_window();
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(root, 0, 0, gdk_window_get_width(root),
                                                 gdk_window_get_height(root));
    const bool saved = shot && gdk_pixbuf_save(shot, picture, "png", nullptr, nullptr);
    if (shot) g_object_unref(shot);
    return loaded && saved ? 0 : 1;
}
