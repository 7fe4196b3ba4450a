#include "screen_probe.h"

#include "platform/gtk/gtk_framework.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>

namespace kameng::gtk::testing {
namespace {

std::optional<std::string> run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    gchar* out = nullptr;
    gint status = 0;
    if (!g_spawn_sync(nullptr, argv.data(), nullptr, static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDERR_TO_DEV_NULL),
                      nullptr, nullptr, &out, nullptr, &status, nullptr))
        return std::nullopt;
    std::unique_ptr<gchar, decltype(&g_free)> owned(out, g_free);
    if (!g_spawn_check_wait_status(status, nullptr)) return std::nullopt;
    return std::string(out ? out : "");
}

int field(const std::string& text, const char* label) {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(std::string(label) + R"(:\s+(-?\d+))")))
        return -1;
    return std::stoi(match[1].str());
}

}  // namespace

Rgb pixelOnScreen(int x, int y) {
    GdkWindow* root = gdk_get_default_root_window();
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(root, x, y, 1, 1);
    if (!pixbuf) return {};
    const guchar* p = gdk_pixbuf_read_pixels(pixbuf);
    Rgb colour{p[0], p[1], p[2]};
    g_object_unref(pixbuf);
    return colour;
}

ScreenShot::ScreenShot(Rect area)
    : pixbuf_(gdk_pixbuf_get_from_window(gdk_get_default_root_window(), area.left, area.top,
                                         area.width, area.height)) {}

ScreenShot::~ScreenShot() {
    if (pixbuf_) g_object_unref(pixbuf_);
}

Rgb ScreenShot::at(int x, int y) const {
    if (!pixbuf_ || x < 0 || y < 0 || x >= gdk_pixbuf_get_width(pixbuf_) ||
        y >= gdk_pixbuf_get_height(pixbuf_))
        return {};
    const guchar* p = gdk_pixbuf_read_pixels(pixbuf_) + y * gdk_pixbuf_get_rowstride(pixbuf_) +
                      x * gdk_pixbuf_get_n_channels(pixbuf_);
    return {p[0], p[1], p[2]};
}

int ScreenShot::count(Rect within, Rgb colour, int tolerance) const {
    int n = 0;
    for (int y = within.top; y < within.top + within.height; ++y)
        for (int x = within.left; x < within.left + within.width; ++x)
            if (near(at(x, y), colour, tolerance)) ++n;
    return n;
}

bool ScreenShot::save(const std::string& path) const {
    return pixbuf_ && gdk_pixbuf_save(pixbuf_, path.c_str(), "png", nullptr, nullptr);
}

Rect clientOnScreen(const GtkFramework& framework, std::string_view window) {
    GtkWidget* top = framework.widgetOf(ControlId(window));
    if (!top || !gtk_widget_get_window(top)) return {};
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(top), &x, &y);
    return {x, y, framework.clientWidth(window), framework.clientHeight(window)};
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

std::optional<Rect> xwininfoRect(NativeHandle window, bool frame) {
    std::string id = std::to_string(window);
    // The frame is the window manager's window that holds ours: the
    // ancestor whose parent is the root window.
    for (int depth = 0; frame && depth < 8; ++depth) {
        auto tree = run({"xwininfo", "-tree", "-id", id});
        if (!tree) return std::nullopt;
        std::smatch root, parent;
        if (!std::regex_search(*tree, root, std::regex(R"(Root window id: (0x[0-9a-f]+))")) ||
            !std::regex_search(*tree, parent, std::regex(R"(Parent window id: (0x[0-9a-f]+))")))
            return std::nullopt;
        if (root[1].str() == parent[1].str()) break;
        id = parent[1].str();
    }
    auto text = run({"xwininfo", "-id", id});
    if (!text) return std::nullopt;
    // The X border lies outside the window's own area.
    const int border = std::max(0, field(*text, "Border width"));
    return Rect{field(*text, "Absolute upper-left X") - border,
                field(*text, "Absolute upper-left Y") - border, field(*text, "Width") + 2 * border,
                field(*text, "Height") + 2 * border};
}

std::string xpropText(NativeHandle window, const std::string& property) {
    return run({"xprop", "-id", std::to_string(window), property}).value_or("");
}

}  // namespace kameng::gtk::testing
