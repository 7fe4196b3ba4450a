#include "platform/gtk/control.h"

#include "platform/gtk/control_slot.h"
#include "platform/gtk/handler_call.h"

namespace kameng::gtk {

Control::Control(ControlHost& host, ControlDescription description, NativeHandle handle)
    : host_(host),
      description_(std::move(description)),
      handle_(handle),
      rect_(description_.rect),
      shown_(description_.shown),
      pointer_(static_cast<int>(description_.pointer)) {
    if (description_.kind == Kind::Timer) return;
    slot_ = adoptSunk(controlSlotNew(rect_.width, rect_.height));
    gtk_widget_add_events(slot_.get(), GDK_BUTTON_PRESS_MASK | GDK_ENTER_NOTIFY_MASK |
                                           GDK_LEAVE_NOTIFY_MASK | GDK_POINTER_MOTION_MASK);
    connect(slot_.get(), "realize", G_CALLBACK(+[](GtkWidget*, gpointer self) {
                auto* control = static_cast<Control*>(self);
                control->applyPointer();
                control->host_.restack();
            }),
            true);
}

Control::~Control() = default;

void Control::detach() {
    for (auto& object : connected_) g_signal_handlers_disconnect_by_data(object.get(), this);
    connected_.clear();
    if (slot_) {
        gtk_widget_destroy(slot_.get());
        container_ = nullptr;
        face_ = nullptr;
    }
}

void Control::connect(gpointer instance, const char* signal, GCallback callback, bool after) {
    g_signal_connect_data(instance, signal, callback, this, nullptr,
                          after ? G_CONNECT_AFTER : GConnectFlags(0));
    for (auto& object : connected_)
        if (object.get() == instance) return;
    connected_.emplace_back(G_OBJECT(g_object_ref(instance)));
}

void Control::setFace(GtkWidget* face) {
    face_ = face;
    gtk_container_add(GTK_CONTAINER(slot_.get()), face);
    gtk_widget_show(face);
}

void Control::placeIn(GtkLayout* container) {
    if (!slot_ || container_ == container) return;
    if (container_) gtk_container_remove(GTK_CONTAINER(container_), slot_.get());
    container_ = container;
    gtk_widget_set_visible(slot_.get(), shown_);
    gtk_layout_put(container, slot_.get(), rect_.left, rect_.top);
}

void Control::setRect(const Rect& rect) {
    rect_ = rect;
    if (!slot_) return;
    controlSlotSetSize(slot_.get(), rect.width, rect.height);
    if (container_) gtk_layout_move(container_, slot_.get(), rect.left, rect.top);
}

bool Control::contains(GtkWidget* widget) const {
    for (; widget && slot_; widget = gtk_widget_get_parent(widget))
        if (widget == slot_.get()) return true;
    return false;
}

Value Control::property(int number) const {
    switch (number) {
    case prop::Left: return rect_.left;
    case prop::Top: return rect_.top;
    case prop::Width: return rect_.width;
    case prop::Height: return rect_.height;
    case prop::Tag: return tag_;
    case prop::Visible: return shown_;
    case prop::Disabled: return disabled_;
    case prop::MousePointer: return pointer_;
    default: return Value();
    }
}

void Control::setProperty(int number, const Value& value) {
    Rect r = rect_;
    switch (number) {
    case prop::Left: r.left = value.number(); break;
    case prop::Top: r.top = value.number(); break;
    case prop::Width: r.width = value.number(); break;
    case prop::Height: r.height = value.number(); break;
    case prop::Tag: tag_ = value; return;
    case prop::Visible:
        shown_ = value.number() != 0;
        if (slot_) gtk_widget_set_visible(slot_.get(), shown_);
        return;
    case prop::Disabled:
        disabled_ = value.number() != 0;
        if (slot_) gtk_widget_set_sensitive(slot_.get(), !disabled_);
        return;
    case prop::MousePointer: setPointer(value.number()); return;
    default: return;
    }
    if (!(r == rect_)) setRect(r);
}

void Control::setPointer(int pointer) {
    pointer_ = pointer;
    applyPointer();
}

void Control::applyPointer() {
    if (!slot_ || !gtk_widget_get_realized(slot_.get())) return;
    GdkWindow* window = gtk_widget_get_window(slot_.get());
    GObjectPtr<GdkCursor> cursor;
    if (pointer_ == static_cast<int>(Pointer::Hand))
        cursor.reset(gdk_cursor_new_from_name(gdk_window_get_display(window), "pointer"));
    gdk_window_set_cursor(window, cursor.get());
}

bool Control::raise(Event event, EventArgs& args) {
    if (host_.tearingDown()) return true;
    const Handler* handler = description_.handlers.find(event);
    if (!handler) return true;
    std::weak_ptr<int> alive = life_;
    callHandler(*handler, args);
    return !alive.expired();
}

}  // namespace kameng::gtk
