#include "platform/gtk/gtk_framework.h"

#include "platform/gtk/browser_control.h"
#include "platform/gtk/status_bar_control.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace kameng::gtk {
namespace {

// Control handles set bit 31, which no X resource id has.
constexpr NativeHandle kControlHandleBase = NativeHandle{1} << 31;
// processEvents returns after this long even if events keep coming, so that
// a busy page cannot hold the caller forever.
constexpr gint64 kProcessEventsBudgetUs = 500 * 1000;

}  // namespace

bool GtkFramework::initialiseToolkit() { return gtk_init_check(nullptr, nullptr); }

GtkFramework::GtkFramework() = default;

GtkFramework::~GtkFramework() {
    destructionDue_.reset();
    for (auto& [name, window] : windows_) window->beginClosing();
    windows_.clear();
}

TopWindow* GtkFramework::window(std::string_view name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.get();
}

Control* GtkFramework::control(const ControlId& id) const {
    TopWindow* w = window(id.window);
    return w && !id.isWindow() ? w->control(id.name) : nullptr;
}

StatusBarControl* GtkFramework::statusBar(const ControlId& id) const {
    return dynamic_cast<StatusBarControl*>(control(id));
}

BrowserControl* GtkFramework::browser(const ControlId& id) const {
    return dynamic_cast<BrowserControl*>(control(id));
}

// --- windows ----------------------------------------------------------------

bool GtkFramework::loadWindow(const WindowDescription& description, std::string_view parent,
                              bool /*modal*/) {
    const std::string name = description.name;
    if (std::find(pendingDestruction_.begin(), pendingDestruction_.end(), name) !=
        pendingDestruction_.end())
        destroyNow(name);
    if (TopWindow* loaded = window(name)) {
        if (!loaded->closing()) loaded->restoreOrActivate();
        return true;
    }
    TopWindow* owner = parent.empty() ? nullptr : window(parent);
    WindowOwner& self = *this;
    auto created = std::make_unique<TopWindow>(self, description,
                                               owner ? owner->gtkWindow() : nullptr);
    TopWindow* w = created.get();
    windows_.emplace(name, std::move(created));
    // A quit asked for when the last window went is void once there is one again.
    quit_ = false;
    auto stillThere = [&] { return window(name) == w; };

    if (!w->raise(Event::Created) || !stillThere()) return true;
    if (!w->raise(Event::Moved) || !stillThere()) return true;
    w->dockStatusBars();
    if (!w->raise(Event::SizeChanged) || !stillThere()) return true;
    if (description.visible && !w->closing()) w->show();
    return true;
}

void GtkFramework::destroyWindow(std::string_view name) {
    TopWindow* w = window(name);
    if (!w || w->closing()) return;
    if (std::find(pendingDestruction_.begin(), pendingDestruction_.end(), name) ==
        pendingDestruction_.end())
        pendingDestruction_.emplace_back(name);
    if (!destructionDue_) destructionDue_ = SourceId(g_idle_add(onDestroyDue, this));
}

gboolean GtkFramework::onDestroyDue(gpointer self) {
    auto* framework = static_cast<GtkFramework*>(self);
    framework->destructionDue_.release();
    while (!framework->pendingDestruction_.empty())
        framework->destroyNow(framework->pendingDestruction_.front());
    return G_SOURCE_REMOVE;
}

void GtkFramework::destroyNow(std::string name) {
    std::erase(pendingDestruction_, name);
    TopWindow* w = window(name);
    if (!w || w->closing()) return;
    w->beginClosing();
    // The handler may run nested loops; the window stays until it returns.
    w->raise(Event::WillBeDestroyed);
    auto it = windows_.find(name);
    if (it == windows_.end() || it->second.get() != w) return;
    std::unique_ptr<TopWindow> doomed = std::move(it->second);
    windows_.erase(it);
    doomed.reset();
    if (windows_.empty()) quit_ = true;
}

bool GtkFramework::isLoaded(std::string_view name) const { return window(name) != nullptr; }

void GtkFramework::closeRequested(const std::string& name) { destroyWindow(name); }

void GtkFramework::windowActivated(const std::string& name) { lastActive_ = name; }

NativeHandle GtkFramework::nextControlHandle() { return kControlHandleBase | ++nextHandle_; }

std::optional<FrameExtents> GtkFramework::knownFrame(int border) const {
    auto it = frames_.find(border);
    if (it == frames_.end()) return std::nullopt;
    return it->second;
}

void GtkFramework::rememberFrame(int border, const FrameExtents& frame) { frames_[border] = frame; }

Rect GtkFramework::primaryScreen() const {
    GdkDisplay* display = gdk_display_get_default();
    if (!display) return {};
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return {};
    GdkRectangle r{};
    gdk_monitor_get_geometry(monitor, &r);
    return {r.x, r.y, r.width, r.height};
}

// --- properties -------------------------------------------------------------

Value GtkFramework::getProperty(const ControlId& id, int number) const {
    if (id.isWindow()) {
        TopWindow* w = window(id.window);
        return w ? w->property(number) : Value();
    }
    Control* c = control(id);
    return c ? c->property(number) : Value();
}

void GtkFramework::setProperty(const ControlId& id, int number, const Value& value) {
    if (id.isWindow()) {
        if (TopWindow* w = window(id.window)) w->setProperty(number, value);
        return;
    }
    Control* c = control(id);
    if (!c) return;
    if (number >= prop::Left && number <= prop::Height) {
        const int n = value.number();
        moveControl(id, number == prop::Left ? std::optional(n) : std::nullopt,
                    number == prop::Top ? std::optional(n) : std::nullopt,
                    number == prop::Width ? std::optional(n) : std::nullopt,
                    number == prop::Height ? std::optional(n) : std::nullopt);
        return;
    }
    c->setProperty(number, value);
}

void GtkFramework::moveControl(const ControlId& id, std::optional<int> left,
                               std::optional<int> top, std::optional<int> width,
                               std::optional<int> height) {
    TopWindow* w = window(id.window);
    if (!w) return;
    if (id.isWindow()) return w->moveTo(left, top, width, height);
    if (Control* c = w->control(id.name)) w->moveControl(*c, left, top, width, height);
}

void GtkFramework::setParentWindow(const ControlId& id, const ControlId& parent) {
    TopWindow* w = window(id.window);
    Control* c = control(id);
    if (!w || !c || parent.window != id.window) return;
    w->setParent(*c, parent.name);
}

void GtkFramework::setFocusTo(const ControlId& id) {
    TopWindow* w = window(id.window);
    if (!w) return;
    if (id.isWindow()) {
        gtk_window_present(w->gtkWindow());
        return;
    }
    Control* c = control(id);
    if (c && c->focusTarget()) gtk_widget_grab_focus(c->focusTarget());
}

NativeHandle GtkFramework::focusedHandle() const {
    const TopWindow* focused = nullptr;
    for (const auto& [name, w] : windows_)
        if (w->isActive()) focused = w.get();
    // While another program is in front, the focus stays where it was in
    // the window the user used last.
    if (!focused) focused = window(lastActive_);
    return focused ? focused->focusedHandle() : 0;
}

NativeHandle GtkFramework::windowHandle(const ControlId& id) const {
    if (id.isWindow()) {
        TopWindow* w = window(id.window);
        return w ? w->handle() : 0;
    }
    Control* c = control(id);
    return c ? c->handle() : 0;
}

int GtkFramework::clientWidth(std::string_view name) const {
    TopWindow* w = window(name);
    return w ? w->clientWidth() : 0;
}

int GtkFramework::clientHeight(std::string_view name) const {
    TopWindow* w = window(name);
    return w ? w->clientHeight() : 0;
}

int GtkFramework::screenWidth() const { return primaryScreen().width; }
int GtkFramework::screenHeight() const { return primaryScreen().height; }

void GtkFramework::setZOrder(const ControlId& id, ZOrder code) {
    TopWindow* w = window(id.window);
    if (!w) return;
    if (id.isWindow()) return w->setZOrder(code);
    if (Control* c = w->control(id.name)) w->setControlZOrder(*c, code);
}

std::vector<std::string> GtkFramework::stackingOrder(std::string_view name) const {
    TopWindow* w = window(name);
    return w ? w->stackingOrder() : std::vector<std::string>{};
}

void GtkFramework::repaintNow(const ControlId& id) {
    TopWindow* w = window(id.window);
    if (!w) return;
    if (id.isWindow()) return w->repaintNow(nullptr);
    if (Control* c = w->control(id.name)) w->repaintNow(c);
}

// --- status bar and browser ---------------------------------------------------

void GtkFramework::setStatusPartText(const ControlId& id, int part, std::string_view text) {
    if (auto* bar = statusBar(id)) bar->setPartText(part, text);
}

void GtkFramework::setStatusPartWidth(const ControlId& id, int part, int width) {
    if (auto* bar = statusBar(id)) bar->setPartWidth(part, width);
}

std::string GtkFramework::statusPartText(const ControlId& id, int part) const {
    auto* bar = statusBar(id);
    return bar ? bar->partText(part) : std::string();
}

int GtkFramework::statusPartWidth(const ControlId& id, int part) const {
    auto* bar = statusBar(id);
    return bar ? bar->partWidth(part) : 0;
}

void GtkFramework::navigate(const ControlId& id, std::string_view address) {
    if (auto* b = browser(id)) b->navigate(address);
}

void GtkFramework::browserCommand(const ControlId& id, int command) {
    if (auto* b = browser(id)) b->command(command);
}

GtkWidget* GtkFramework::widgetOf(const ControlId& id) const {
    if (id.isWindow()) {
        TopWindow* w = window(id.window);
        return w ? GTK_WIDGET(w->gtkWindow()) : nullptr;
    }
    Control* c = control(id);
    return c ? c->slot() : nullptr;
}

int GtkFramework::drawnStatusPartRightEdge(const ControlId& id, int part) const {
    auto* bar = statusBar(id);
    return bar ? bar->drawnPartRightEdge(part) : 0;
}

// --- the loop -----------------------------------------------------------------

void GtkFramework::processEvents() {
    const gint64 deadline = g_get_monotonic_time() + kProcessEventsBudgetUs;
    while (!quit_ && gtk_events_pending()) {
        gtk_main_iteration_do(FALSE);
        if (g_get_monotonic_time() > deadline) break;
    }
}

void GtkFramework::waitForEvents(int milliseconds) {
    if (quit_) return;
    if (milliseconds <= 0) {
        gtk_main_iteration_do(FALSE);
        return;
    }
    bool due = false;
    SourceId timeout(g_timeout_add(static_cast<guint>(milliseconds), [](gpointer flag) -> gboolean {
        *static_cast<bool*>(flag) = true;
        return G_SOURCE_REMOVE;
    }, &due));
    while (!due && !quit_) gtk_main_iteration_do(TRUE);
    if (due) timeout.release();
}

std::uint32_t GtkFramework::tickCount() const {
    return static_cast<std::uint32_t>(g_get_monotonic_time() / 1000);
}

void GtkFramework::runLoop() {
    if (windows_.empty()) return;
    quit_ = false;
    while (!quit_) gtk_main_iteration_do(TRUE);
}

}  // namespace kameng::gtk
