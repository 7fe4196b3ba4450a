#include "widget_tree.h"

#include <gtk/gtk.h>

#include <memory>

namespace kameng::e2e {
namespace {

struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;

struct GListDeleter {
    void operator()(GList* list) const { g_list_free(list); }
};
using GListPtr = std::unique_ptr<GList, GListDeleter>;

// A string property of any object (a web view's "uri" and "title"), read
// through GObject so that the probe needs no header of the widget's library.
void appendStringProperty(JsonText& json, GObject* object, const char* property) {
    GParamSpec* param = g_object_class_find_property(G_OBJECT_GET_CLASS(object), property);
    if (!param || param->value_type != G_TYPE_STRING || !(param->flags & G_PARAM_READABLE)) return;
    gchar* raw = nullptr;
    g_object_get(object, property, &raw, nullptr);
    GCharPtr value(raw);
    json.field(property, value.get());
}

struct TreeWalk {
    JsonText& json;
    GtkWidget* toplevel;
};

void appendWidget(TreeWalk& walk, GtkWidget* widget) {
    JsonText& json = walk.json;
    json.beginObject();
    json.field("type", G_OBJECT_TYPE_NAME(widget));
    GtkAllocation a;
    gtk_widget_get_allocation(widget, &a);
    int x = 0, y = 0;
    if (widget != walk.toplevel &&
        !gtk_widget_translate_coordinates(widget, walk.toplevel, 0, 0, &x, &y)) {
        x = a.x;
        y = a.y;
    }
    json.field("x", x).field("y", y).field("width", a.width).field("height", a.height);
    json.field("visible", static_cast<bool>(gtk_widget_get_visible(widget)));
    json.field("mapped", static_cast<bool>(gtk_widget_get_mapped(widget)));
    json.field("focus", static_cast<bool>(gtk_widget_has_focus(widget)));
    if (GTK_IS_LABEL(widget)) json.field("text", gtk_label_get_text(GTK_LABEL(widget)));
    if (GTK_IS_ENTRY(widget)) json.field("text", gtk_entry_get_text(GTK_ENTRY(widget)));
    if (!GTK_IS_WINDOW(widget)) {
        appendStringProperty(json, G_OBJECT(widget), "uri");
        appendStringProperty(json, G_OBJECT(widget), "title");
    }
    if (GTK_IS_CONTAINER(widget)) {
        json.key("children").beginArray();
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer data) { appendWidget(*static_cast<TreeWalk*>(data), child); },
            &walk);
        json.endArray();
    }
    json.endObject();
}

void appendWindow(JsonText& json, GtkWindow* window) {
    GtkWidget* widget = GTK_WIDGET(window);
    json.beginObject();
    json.field("title", gtk_window_get_title(window));
    json.field("popup", gtk_window_get_window_type(window) == GTK_WINDOW_POPUP);
    json.field("mapped", static_cast<bool>(gtk_widget_get_mapped(widget)));
    if (GdkWindow* gdkWindow = gtk_widget_get_window(widget)) {
        int x = 0, y = 0;
        gdk_window_get_origin(gdkWindow, &x, &y);
        json.field("originX", x).field("originY", y);
        GdkRectangle frame;
        gdk_window_get_frame_extents(gdkWindow, &frame);
        json.key("frame").beginArray().value(frame.x).value(frame.y).value(frame.width).value(frame.height).endArray();
    }
    json.key("root");
    TreeWalk walk{json, widget};
    appendWidget(walk, widget);
    json.endObject();
}

}  // namespace

void appendWidgetTree(JsonText& json) {
    json.beginArray();
    GListPtr toplevels(gtk_window_list_toplevels());
    for (GList* l = toplevels.get(); l; l = l->next) appendWindow(json, GTK_WINDOW(l->data));
    json.endArray();
}

}  // namespace kameng::e2e
