// A GTK module for the end-to-end tests: loaded into the program under test
// through GTK_MODULES, it writes what the program shows (every top-level
// window and its widget tree: types, names, places, visibility, texts, web
// addresses) as JSON whenever the test asks.
//
// Protocol, in the folder named by KAMENG_PROBE_DIR: the test creates the
// file "request"; the probe writes "state.json" (atomically, through a
// temporary file) and then removes "request".
#include <gtk/gtk.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;

struct GListDeleter {
    void operator()(GList* list) const { g_list_free(list); }
};
using GListPtr = std::unique_ptr<GList, GListDeleter>;

void appendJsonString(std::string& out, const char* text) {
    out += '"';
    for (const char* p = text ? text : ""; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void appendField(std::string& out, const char* key, const char* text) {
    appendJsonString(out, key);
    out += ':';
    appendJsonString(out, text);
    out += ',';
}

void appendField(std::string& out, const char* key, long long n) {
    appendJsonString(out, key);
    out += ':' + std::to_string(n) + ',';
}

void appendField(std::string& out, const char* key, bool b) {
    appendJsonString(out, key);
    out += b ? ":true," : ":false,";
}

// A string property of any object (a web view's "uri" and "title"), read
// through GObject so that the probe needs no header of the widget's library.
void appendStringProperty(std::string& out, GObject* object, const char* property) {
    GParamSpec* spec = g_object_class_find_property(G_OBJECT_GET_CLASS(object), property);
    if (!spec || spec->value_type != G_TYPE_STRING || !(spec->flags & G_PARAM_READABLE)) return;
    gchar* raw = nullptr;
    g_object_get(object, property, &raw, nullptr);
    GCharPtr value(raw);
    appendField(out, property, value.get());
}

void appendWidget(std::string& out, GtkWidget* widget, GtkWidget* toplevel);

void appendChild(GtkWidget* child, gpointer data) {
    auto* context = static_cast<std::pair<std::string*, GtkWidget*>*>(data);
    appendWidget(*context->first, child, context->second);
    *context->first += ',';
}

void appendWidget(std::string& out, GtkWidget* widget, GtkWidget* toplevel) {
    out += '{';
    appendField(out, "type", G_OBJECT_TYPE_NAME(widget));
    appendField(out, "name", gtk_widget_get_name(widget));
    GtkAllocation a;
    gtk_widget_get_allocation(widget, &a);
    int x = a.x, y = a.y;
    if (widget != toplevel && gtk_widget_get_realized(widget))
        gtk_widget_translate_coordinates(widget, toplevel, 0, 0, &x, &y);
    if (widget == toplevel) x = y = 0;
    appendField(out, "x", static_cast<long long>(x));
    appendField(out, "y", static_cast<long long>(y));
    appendField(out, "width", static_cast<long long>(a.width));
    appendField(out, "height", static_cast<long long>(a.height));
    appendField(out, "visible", static_cast<bool>(gtk_widget_get_visible(widget)));
    appendField(out, "mapped", static_cast<bool>(gtk_widget_get_mapped(widget)));
    appendField(out, "sensitive", static_cast<bool>(gtk_widget_is_sensitive(widget)));
    appendField(out, "focus", static_cast<bool>(gtk_widget_has_focus(widget)));
    if (GTK_IS_LABEL(widget)) appendField(out, "text", gtk_label_get_text(GTK_LABEL(widget)));
    if (GTK_IS_BUTTON(widget) && gtk_button_get_label(GTK_BUTTON(widget)))
        appendField(out, "text", gtk_button_get_label(GTK_BUTTON(widget)));
    if (GTK_IS_ENTRY(widget)) appendField(out, "text", gtk_entry_get_text(GTK_ENTRY(widget)));
    if (!GTK_IS_WINDOW(widget)) {
        appendStringProperty(out, G_OBJECT(widget), "uri");
        appendStringProperty(out, G_OBJECT(widget), "title");
    }
    if (GTK_IS_CONTAINER(widget)) {
        out += "\"children\":[";
        std::pair<std::string*, GtkWidget*> context{&out, toplevel};
        gtk_container_forall(GTK_CONTAINER(widget), appendChild, &context);
        if (out.back() == ',') out.pop_back();
        out += "],";
    }
    if (out.back() == ',') out.pop_back();
    out += '}';
}

void appendWindow(std::string& out, GtkWindow* window) {
    GtkWidget* widget = GTK_WIDGET(window);
    out += '{';
    appendField(out, "title", gtk_window_get_title(window));
    appendField(out, "popup", gtk_window_get_window_type(window) == GTK_WINDOW_POPUP);
    appendField(out, "mapped", static_cast<bool>(gtk_widget_get_mapped(widget)));
    GdkWindow* gdkWindow = gtk_widget_get_window(widget);
    if (gdkWindow) {
        int x = 0, y = 0;
        gdk_window_get_origin(gdkWindow, &x, &y);
        appendField(out, "originX", static_cast<long long>(x));
        appendField(out, "originY", static_cast<long long>(y));
        GdkRectangle frame;
        gdk_window_get_frame_extents(gdkWindow, &frame);
        appendField(out, "frameX", static_cast<long long>(frame.x));
        appendField(out, "frameY", static_cast<long long>(frame.y));
        appendField(out, "frameWidth", static_cast<long long>(frame.width));
        appendField(out, "frameHeight", static_cast<long long>(frame.height));
        appendField(out, "state", static_cast<long long>(gdk_window_get_state(gdkWindow)));
    }
    out += "\"root\":";
    appendWidget(out, widget, widget);
    out += '}';
}

std::string snapshot() {
    std::string out = "{\"windows\":[";
    GListPtr toplevels(gtk_window_list_toplevels());
    for (GList* l = toplevels.get(); l; l = l->next) {
        appendWindow(out, GTK_WINDOW(l->data));
        out += ',';
    }
    if (out.back() == ',') out.pop_back();
    out += "]}\n";
    return out;
}

void writeSnapshot(const std::string& dir) {
    const std::string finalPath = dir + "/state.json";
    const std::string tmpPath = finalPath + ".tmp";
    const std::string text = snapshot();
    GError* error = nullptr;
    if (!g_file_set_contents(tmpPath.c_str(), text.c_str(), static_cast<gssize>(text.size()), &error)) {
        g_printerr("probe: %s\n", error->message);
        g_error_free(error);
        return;
    }
    std::rename(tmpPath.c_str(), finalPath.c_str());
}

gboolean pollRequest(gpointer data) {
    const auto& dir = *static_cast<const std::string*>(data);
    const std::string request = dir + "/request";
    if (g_file_test(request.c_str(), G_FILE_TEST_EXISTS)) {
        writeSnapshot(dir);
        std::remove(request.c_str());
    }
    return G_SOURCE_CONTINUE;
}

}  // namespace

extern "C" G_MODULE_EXPORT void gtk_module_init(gint*, gchar***) {
    const char* dir = g_getenv("KAMENG_PROBE_DIR");
    if (!dir || !*dir) return;
    g_timeout_add_full(G_PRIORITY_DEFAULT, 50, pollRequest, new std::string(dir),
                       [](gpointer data) { delete static_cast<std::string*>(data); });
}
