// The window's place, size, frame and state, kept in step with what the
// window manager does.
#include "platform/gtk/top_window.h"

#include "platform/gtk/status_bar_control.h"

#include <algorithm>

namespace kameng::gtk {
namespace {

// How long the window manager may take to carry out a geometry request
// before its latest report is taken as the answer.
constexpr guint kGeometryAnswerMs = 1000;

}  // namespace

void TopWindow::applyBorder() {
    GtkWindow* window = GTK_WINDOW(window_);
    gtk_window_set_decorated(window, border_ != border::None);
    // Fixed frames take their limits from the size hints: openbox offers
    // maximise only to windows it may resize.
    gtk_window_set_resizable(window, TRUE);
    applySizeHints();
    if (!gtk_widget_get_realized(window_)) return;
    int functions = GDK_FUNC_RESIZE;
    if (description_.movable) functions |= GDK_FUNC_MOVE;
    if (description_.minimiseBox) functions |= GDK_FUNC_MINIMIZE;
    if (description_.maximiseBox) functions |= GDK_FUNC_MAXIMIZE;
    if (description_.controlBox) functions |= GDK_FUNC_CLOSE;
    const int all = GDK_FUNC_RESIZE | GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE | GDK_FUNC_MAXIMIZE |
                    GDK_FUNC_CLOSE;
    gdk_window_set_functions(gtk_widget_get_window(window_),
                             static_cast<GdkWMFunction>(functions == all ? GDK_FUNC_ALL : functions));
}

void TopWindow::applySizeHints() {
    GtkWindow* window = GTK_WINDOW(window_);
    if (fixedFrame() && !maximised_) {
        // One pixel of play keeps the window resizable, hence maximisable,
        // for the window manager; a user's resize is undone by pinning the
        // size for a moment.
        GdkGeometry geometry{};
        geometry.min_width = geometry.max_width = std::max(1, clientWidth_);
        geometry.min_height = std::max(1, clientHeight_);
        geometry.max_height = geometry.min_height + (pinned_ ? 0 : 1);
        gtk_window_set_geometry_hints(window, nullptr, &geometry,
                                      static_cast<GdkWindowHints>(GDK_HINT_MIN_SIZE | GDK_HINT_MAX_SIZE));
    } else {
        gtk_window_set_geometry_hints(window, nullptr, nullptr, static_cast<GdkWindowHints>(0));
    }
}

Rect TopWindow::centred(const Rect& outer) const {
    Rect screen = owner_.primaryScreen();
    return {screen.left + (screen.width - outer.width) / 2,
            screen.top + (screen.height - outer.height) / 2, outer.width, outer.height};
}

void TopWindow::applyOuter(const Rect& outer) {
    const Rect oldOuter = outer_;
    const int oldWidth = clientWidth_, oldHeight = clientHeight_;
    outer_ = outer;
    if (!maximised_ && !iconified_) normalOuter_ = outer;
    clientWidth_ = std::max(0, outer.width - frame_.left - frame_.right);
    clientHeight_ = std::max(0, outer.height - frame_.top - frame_.bottom);
    applySizeHints();
    GtkWindow* window = GTK_WINDOW(window_);
    gtk_window_move(window, outer.left, outer.top);
    gtk_window_resize(window, std::max(1, clientWidth_), std::max(1, clientHeight_));
    if (shown()) expectGeometry();
    notifyChanges(oldOuter, oldWidth, oldHeight);
}

void TopWindow::expectGeometry() {
    pending_ = outer_;
    pendingExpiry_ = SourceId(g_timeout_add(kGeometryAnswerMs, [](gpointer self) -> gboolean {
        auto* window = static_cast<TopWindow*>(self);
        window->pendingExpiry_.release();
        window->pending_.reset();
        window->observeGeometry();
        return G_SOURCE_REMOVE;
    }, this));
}

void TopWindow::observeGeometry() {
    if (closing_ || iconified_ || !gtk_widget_get_realized(window_) || !shown()) return;
    GdkWindow* gdkWindow = gtk_widget_get_window(window_);
    const FrameExtents actual = currentFrameExtents(gdkWindow);
    const int width = gdk_window_get_width(gdkWindow);
    const int height = gdk_window_get_height(gdkWindow);
    int originX = 0, originY = 0;
    gdk_window_get_origin(gdkWindow, &originX, &originY);
    const Rect observed{originX - actual.left, originY - actual.top,
                        width + actual.left + actual.right, height + actual.top + actual.bottom};
    const bool normal = !maximised_ && !iconified_;

    if (pending_) {
        if (observed == *pending_) {
            pending_.reset();
            pendingExpiry_.reset();
        } else if (normal && !(actual == frame_) && observed.left == pending_->left &&
                   observed.top == pending_->top && width == std::max(1, clientWidth_) &&
                   height == std::max(1, clientHeight_)) {
            // The request landed in a frame other than the one assumed: keep
            // the outer rectangle the program asked for.
            frame_ = normalFrame_ = actual;
            if (border_ != border::None) owner_.rememberFrame(border_, actual);
            Rect wanted = *pending_;
            pending_.reset();
            pendingExpiry_.reset();
            applyOuter(wanted);
            return;
        } else {
            return;  // an answer to an earlier request, or one on its way
        }
    }
    frame_ = actual;
    if (normal) normalFrame_ = actual;
    if (fixedFrame() && normal && !reverting_ &&
        (width != std::max(1, clientWidth_) || height != std::max(1, clientHeight_))) {
        // The user cannot change the size of a fixed frame. (Should the
        // window manager insist, its size is taken the next time.)
        reverting_ = true;
        pinned_ = true;
        applyOuter({observed.left, observed.top, outer_.width, outer_.height});
        return;
    }
    reverting_ = false;
    if (pinned_) {
        pinned_ = false;
        applySizeHints();
    }
    adopt(observed, width, height);
}

void TopWindow::adopt(const Rect& outer, int clientWidth, int clientHeight) {
    const Rect oldOuter = outer_;
    const int oldWidth = clientWidth_, oldHeight = clientHeight_;
    outer_ = outer;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    if (!maximised_ && !iconified_) normalOuter_ = outer;
    notifyChanges(oldOuter, oldWidth, oldHeight);
}

void TopWindow::notifyChanges(const Rect& oldOuter, int oldClientWidth, int oldClientHeight) {
    const bool moved = oldOuter.left != outer_.left || oldOuter.top != outer_.top;
    const bool sized = oldClientWidth != clientWidth_ || oldClientHeight != clientHeight_;
    if (moved && !raise(Event::Moved)) return;
    if (sized) {
        dockStatusBars();
        raise(Event::SizeChanged);
    }
}

gboolean TopWindow::onConfigure(GtkWidget*, GdkEventConfigure*, gpointer self) {
    static_cast<TopWindow*>(self)->observeGeometry();
    return FALSE;
}

gboolean TopWindow::onWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
    auto* window = static_cast<TopWindow*>(self);
    const bool wasMaximised = window->maximised_;
    const bool wasIconified = window->iconified_;
    window->maximised_ = (event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED) != 0;
    window->iconified_ = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    if (wasIconified != window->iconified_) {
        std::weak_ptr<int> alive = window->life_;
        window->iconifiedChanged();
        if (alive.expired()) return FALSE;
    }
    if (wasMaximised != window->maximised_) {
        window->applySizeHints();
        // Back to exactly the rectangle it had before, in its normal frame.
        if (!window->maximised_ && !window->iconified_) {
            window->frame_ = window->normalFrame_;
            window->applyOuter(window->normalOuter_);
        }
    }
    return FALSE;
}

void TopWindow::iconifiedChanged() {
    // As on Windows, a minimised window has an empty client area; the
    // layout runs for it, and again when the window comes back.
    const int oldWidth = clientWidth_, oldHeight = clientHeight_;
    if (iconified_) {
        clientWidth_ = clientHeight_ = 0;
    } else {
        clientWidth_ = std::max(0, outer_.width - frame_.left - frame_.right);
        clientHeight_ = std::max(0, outer_.height - frame_.top - frame_.bottom);
    }
    notifyChanges(outer_, oldWidth, oldHeight);
}

void TopWindow::show() {
    if (shown()) return;
    gtk_widget_show(window_);
    expectGeometry();
}

void TopWindow::moveTo(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                       std::optional<int> height) {
    Rect r = outer_;
    if (left) r.left = *left;
    if (top) r.top = *top;
    if (width && *width != -1) r.width = *width;
    if (height && *height != -1) r.height = *height;
    if (r == outer_) return;
    if (maximised_) {
        normalOuter_ = r;
        gtk_window_unmaximize(GTK_WINDOW(window_));
    }
    applyOuter(r);
}

void TopWindow::setBorder(int border) {
    if (border < 0) border = border::None;
    if (border == border_) return;
    border_ = border;
    applyBorder();
    if (border_ == border::None) frame_ = {};
    else if (auto known = owner_.knownFrame(border_)) frame_ = *known;
    if (!maximised_) normalFrame_ = frame_;
    // The outer rectangle stays; the client area follows the new frame.
    applyOuter(outer_);
}

void TopWindow::setWindowState(int state) {
    // Acts only on a window that is shown.
    if (!shown()) return;
    GtkWindow* window = GTK_WINDOW(window_);
    switch (state) {
    case window_state::Normal:
        if (iconified_) gtk_window_deiconify(window);
        if (maximised_) gtk_window_unmaximize(window);
        break;
    case window_state::Centred:
        if (iconified_) gtk_window_deiconify(window);
        normalOuter_ = centred(normalOuter_);
        if (maximised_) gtk_window_unmaximize(window);
        else applyOuter(normalOuter_);
        break;
    case window_state::Minimised: gtk_window_iconify(window); break;
    case window_state::Maximised: gtk_window_maximize(window); break;
    default: break;
    }
}

}  // namespace kameng::gtk
