#include "platform/gtk/top_window.h"

#include "platform/gtk/button_control.h"
#include "platform/gtk/control_factory.h"
#include "platform/gtk/handler_call.h"
#include "platform/gtk/status_bar_control.h"

#include <algorithm>

namespace kameng::gtk {

TopWindow::TopWindow(WindowOwner& owner, const WindowDescription& description,
                     GtkWindow* ownerWindow)
    : owner_(owner),
      description_(description),
      border_(description.border),
      alwaysOnTop_(description.alwaysOnTop) {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref(window_);
    GtkWindow* window = GTK_WINDOW(window_);
    gtk_window_set_title(window, description_.title.c_str());
    gtk_window_set_skip_taskbar_hint(window, !description_.showInTaskbar);
    gtk_window_set_keep_above(window, alwaysOnTop_);
    if (ownerWindow) gtk_window_set_transient_for(window, ownerWindow);

    layout_ = gtk_layout_new(nullptr, nullptr);
    gtk_widget_add_events(layout_, GDK_BUTTON_PRESS_MASK);
    gtk_container_add(GTK_CONTAINER(window_), layout_);
    gtk_widget_show(layout_);

    applyBorder();
    gtk_widget_realize(window_);
    GdkWindow* gdkWindow = gtk_widget_get_window(window_);
    handle_ = nativeWindowId(gdkWindow);
    applyBorder();  // the window manager functions need the realized window

    if (border_ != border::None) {
        if (auto known = owner_.knownFrame(border_)) {
            frame_ = *known;
        } else if (auto asked = requestFrameExtents(gdkWindow)) {
            frame_ = *asked;
            owner_.rememberFrame(border_, frame_);
        }
    }
    normalFrame_ = frame_;
    outer_ = description_.centred ? centred(description_.rect) : description_.rect;
    normalOuter_ = outer_;
    clientWidth_ = std::max(0, outer_.width - frame_.left - frame_.right);
    clientHeight_ = std::max(0, outer_.height - frame_.top - frame_.bottom);
    applySizeHints();
    gtk_window_move(window, outer_.left, outer_.top);
    gtk_window_resize(window, std::max(1, clientWidth_), std::max(1, clientHeight_));

    buildControls();
    dockStatusBars();

    g_signal_connect(window_, "configure-event", G_CALLBACK(onConfigure), this);
    g_signal_connect(window_, "window-state-event", G_CALLBACK(onWindowState), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
    // After GTK's own handling, so that the focused control (the web view
    // above all) has had the key first.
    g_signal_connect_after(window_, "key-press-event", G_CALLBACK(onKeyPress), this);
    g_signal_connect(window_, "notify::is-active", G_CALLBACK(onActive), this);
    g_signal_connect(layout_, "button-press-event", G_CALLBACK(onSurfacePress), this);
}

TopWindow::~TopWindow() {
    closing_ = true;
    for (auto& control : controls_) control->detach();
    order_.clear();
    controls_.clear();
    g_signal_handlers_disconnect_by_data(window_, this);
    g_signal_handlers_disconnect_by_data(layout_, this);
    pendingExpiry_.reset();
    gtk_widget_destroy(window_);
    g_object_unref(window_);
}

void TopWindow::buildControls() {
    // Built back to front, so that each new native window lies above the
    // ones behind it; the order is then kept by restack().
    const auto& list = description_.controls;
    controls_.reserve(list.size());
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        auto control = makeControl(*this, *it, owner_.nextControlHandle());
        if (!control) continue;
        control->placeIn(GTK_LAYOUT(layout_));
        controls_.push_back(std::move(control));
    }
    // Timers show nothing and take no place in the stacking.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->slot()) order_.push_back(it->get());
}

Control* TopWindow::control(std::string_view name) const {
    for (const auto& control : controls_)
        if (control->name() == name) return control.get();
    return nullptr;
}

std::vector<StatusBarControl*> TopWindow::statusBars() const {
    std::vector<StatusBarControl*> bars;
    for (Control* control : order_)
        if (auto* bar = dynamic_cast<StatusBarControl*>(control)) bars.push_back(bar);
    return bars;
}

void TopWindow::dockStatusBars() {
    for (StatusBarControl* bar : statusBars()) bar->dock(clientWidth_, clientHeight_);
}

bool TopWindow::raise(Event event) {
    if (closing_ && event != Event::WillBeDestroyed) return true;
    const Handler* handler = description_.handlers.find(event);
    if (!handler) return true;
    std::weak_ptr<int> alive = life_;
    EventArgs args;
    callHandler(*handler, args);
    return !alive.expired();
}

bool TopWindow::shown() const { return gtk_widget_get_visible(window_); }

void TopWindow::restoreOrActivate() {
    if (iconified_) gtk_window_deiconify(GTK_WINDOW(window_));
    gtk_window_present(GTK_WINDOW(window_));
}

bool TopWindow::isActive() const { return gtk_window_is_active(GTK_WINDOW(window_)); }

void TopWindow::moveControl(Control& control, std::optional<int> left, std::optional<int> top,
                            std::optional<int> width, std::optional<int> height) {
    // A status bar stays docked.
    if (control.kind() == Kind::StatusBar) return;
    Rect r = control.rect();
    if (left) r.left = *left;
    if (top) r.top = *top;
    if (width && *width != -1) r.width = *width;
    if (height && *height != -1) r.height = *height;
    if (r == control.rect()) return;
    control.setRect(r);
}

Value TopWindow::property(int number) const {
    switch (number) {
    case prop::Left: return outer_.left;
    case prop::Top: return outer_.top;
    case prop::Width: return outer_.width;
    case prop::Height: return outer_.height;
    case prop::Tag: return tag_;
    case prop::Visible: return shown();
    case prop::Disabled: return !gtk_widget_get_sensitive(layout_);
    case prop::MousePointer: return pointer_;
    case prop::Border: return border_;
    case prop::WindowState:
        return iconified_ ? window_state::Minimised
               : maximised_ ? window_state::Maximised
                            : window_state::Normal;
    case prop::AlwaysOnTop: return alwaysOnTop_;
    default: return Value();
    }
}

void TopWindow::setProperty(int number, const Value& value) {
    const int n = value.number();
    switch (number) {
    case prop::Left: return moveTo(n, {}, {}, {});
    case prop::Top: return moveTo({}, n, {}, {});
    case prop::Width: return moveTo({}, {}, n, {});
    case prop::Height: return moveTo({}, {}, {}, n);
    case prop::Tag: tag_ = value; return;
    case prop::Visible:
        if (n != 0) return show();
        pending_.reset();
        pendingExpiry_.reset();
        gtk_widget_hide(window_);
        return;
    case prop::Disabled: gtk_widget_set_sensitive(layout_, n == 0); return;
    case prop::MousePointer: pointer_ = n; return;
    case prop::Border: return setBorder(n);
    case prop::WindowState: return setWindowState(n);
    case prop::AlwaysOnTop:
        alwaysOnTop_ = n == 1;
        gtk_window_set_keep_above(GTK_WINDOW(window_), alwaysOnTop_);
        return;
    default: return;
    }
}

void TopWindow::setZOrder(ZOrder code) {
    GdkWindow* gdkWindow = gtk_widget_get_window(window_);
    switch (code) {
    case ZOrder::Top: gdk_window_raise(gdkWindow); break;
    case ZOrder::Bottom: gdk_window_lower(gdkWindow); break;
    case ZOrder::Topmost:
    case ZOrder::NotTopmost:
        alwaysOnTop_ = code == ZOrder::Topmost;
        gtk_window_set_keep_above(GTK_WINDOW(window_), alwaysOnTop_);
        break;
    }
}

void TopWindow::setControlZOrder(Control& control, ZOrder code) {
    if (code == ZOrder::NotTopmost) return;
    const bool toFront = code != ZOrder::Bottom;
    auto it = std::find(order_.begin(), order_.end(), &control);
    if (it == order_.end()) {
        // A child of a status bar: among the bar's children.
        GtkWidget* slot = control.slot();
        if (!slot || !gtk_widget_get_realized(slot)) return;
        if (toFront) gdk_window_raise(gtk_widget_get_window(slot));
        else gdk_window_lower(gtk_widget_get_window(slot));
        return;
    }
    order_.erase(it);
    if (toFront) order_.insert(order_.begin(), &control);
    else order_.push_back(&control);
    restack();
}

void TopWindow::restack() {
    if (closing_) return;
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        GtkWidget* slot = (*it)->slot();
        if (slot && gtk_widget_get_realized(slot) && gtk_widget_get_parent(slot) == layout_)
            gdk_window_raise(gtk_widget_get_window(slot));
    }
}

std::vector<std::string> TopWindow::stackingOrder() const {
    std::vector<std::string> names;
    for (Control* control : order_) names.push_back(control->name());
    return names;
}

void TopWindow::setParent(Control& control, std::string_view parent) {
    if (!control.slot()) return;
    auto it = std::find(order_.begin(), order_.end(), &control);
    if (parent.empty()) {
        if (it != order_.end()) return;
        control.placeIn(GTK_LAYOUT(layout_));
        order_.insert(order_.begin(), &control);
        restack();
        return;
    }
    auto* bar = dynamic_cast<StatusBarControl*>(this->control(parent));
    if (!bar || bar == static_cast<Control*>(&control)) return;
    if (it != order_.end()) order_.erase(it);
    control.placeIn(bar->childArea());
}

void TopWindow::repaintNow(Control* control) {
    GtkWidget* widget = control ? control->slot() : window_;
    if (!widget || !gtk_widget_get_realized(widget)) return;
    gtk_widget_queue_draw(widget);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gdk_window_process_updates(gtk_widget_get_window(widget), TRUE);
    G_GNUC_END_IGNORE_DEPRECATIONS
}

NativeHandle TopWindow::focusedHandle() const {
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window_));
    if (focus)
        for (const auto& control : controls_)
            if (control->contains(focus)) return control->handle();
    return handle_;
}

// --- input ----------------------------------------------------------------

gboolean TopWindow::onDelete(GtkWidget*, GdkEvent*, gpointer self) {
    auto* window = static_cast<TopWindow*>(self);
    window->owner_.closeRequested(window->name());
    return TRUE;  // the framework destroys it when the loop next runs
}

gboolean TopWindow::onKeyPress(GtkWidget*, GdkEventKey* event, gpointer self) {
    return static_cast<TopWindow*>(self)->keyPressed(*event);
}

bool TopWindow::keyPressed(const GdkEventKey& event) {
    const guint modifiers = event.state & gtk_accelerator_get_default_mod_mask();
    if (event.keyval == GDK_KEY_Escape && modifiers == 0) {
        if (!description_.escCloses) return false;
        owner_.closeRequested(name());
        return true;
    }
    if (modifiers != GDK_MOD1_MASK) return false;
    const char32_t pressed = g_unichar_tolower(gdk_keyval_to_unicode(event.keyval));
    if (pressed == 0) return false;
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<ButtonControl*>(control.get());
        if (button && button->mnemonic() == pressed && button->shown()) {
            button->clickByMnemonic();
            return true;
        }
    }
    return false;
}

gboolean TopWindow::onSurfacePress(GtkWidget* widget, GdkEventButton* event, gpointer self) {
    auto* window = static_cast<TopWindow*>(self);
    // A window without a frame is moved by a press on its own surface, as
    // a title bar would move it; presses on controls are theirs.
    if (window->border_ != border::None || event->type != GDK_BUTTON_PRESS ||
        event->button != GDK_BUTTON_PRIMARY ||
        event->window != gtk_layout_get_bin_window(GTK_LAYOUT(widget)) || !window->description_.movable)
        return FALSE;
    gtk_window_begin_move_drag(GTK_WINDOW(window->window_), static_cast<int>(event->button),
                               static_cast<int>(event->x_root), static_cast<int>(event->y_root),
                               event->time);
    return TRUE;
}

void TopWindow::onActive(GObject*, GParamSpec*, gpointer self) {
    auto* window = static_cast<TopWindow*>(self);
    if (window->isActive()) window->owner_.windowActivated(window->name());
}

}  // namespace kameng::gtk
