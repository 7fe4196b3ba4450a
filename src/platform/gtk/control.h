// One control of a window: its description, rectangle, common properties
// (0 to 7) and its place among its siblings. Each kind derives from it.
#pragma once

#include "platform/framework.h"
#include "platform/gtk/gobject_ptr.h"

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

namespace kameng::gtk {

// What a control needs from the window that holds it.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    // True while the window is being taken down: no events are raised then.
    virtual bool tearingDown() const = 0;
    // Brings the native stacking in line with the controls' order.
    virtual void restack() = 0;
};

class Control {
public:
    Control(ControlHost& host, ControlDescription description, NativeHandle handle);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlDescription& description() const { return description_; }
    const std::string& name() const { return description_.name; }
    Kind kind() const { return description_.kind; }
    NativeHandle handle() const { return handle_; }

    // The widget placed in the parent's layout; null for a control that
    // shows nothing (a timer).
    GtkWidget* slot() const { return slot_.get(); }
    GtkLayout* container() const { return container_; }
    // Disconnects every signal and destroys the widgets; the window calls
    // it for each control before any control is deleted.
    virtual void detach();

    // Puts the control into a layout (its first place, or a new parent);
    // its left and top then count from that layout.
    void placeIn(GtkLayout* container);

    Rect rect() const { return rect_; }
    void setRect(const Rect& rect);
    bool shown() const { return shown_; }

    virtual Value property(int number) const;
    virtual void setProperty(int number, const Value& value);

    // The widget that takes the keyboard focus for this control.
    virtual GtkWidget* focusTarget() const { return face_; }
    // Whether the widget is this control's or inside it.
    bool contains(GtkWidget* widget) const;

protected:
    // Wraps the kind's own widget in the control's slot.
    void setFace(GtkWidget* face);
    GtkWidget* face() const { return face_; }
    // Runs the handler bound to the event, if any. False when the control
    // no longer exists afterwards: the caller must then return at once.
    bool raise(Event event, EventArgs& args);
    bool raise(Event event) {
        EventArgs args;
        return raise(event, args);
    }
    // Connects a signal with this control as data; disconnected with it.
    void connect(gpointer instance, const char* signal, GCallback callback, bool after = false);
    ControlHost& host() { return host_; }
    void setPointer(int pointer);
    bool tearingDown() const { return host_.tearingDown(); }
    // Expires when the control is deleted.
    std::weak_ptr<int> aliveToken() const { return life_; }

private:
    void applyPointer();

    ControlHost& host_;
    ControlDescription description_;
    NativeHandle handle_;
    Rect rect_;
    bool shown_;
    bool disabled_ = false;
    int pointer_;
    Value tag_;
    GObjectPtr<GtkWidget> slot_;
    GtkWidget* face_ = nullptr;
    GtkLayout* container_ = nullptr;
    std::vector<GObjectPtr<GObject>> connected_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace kameng::gtk
