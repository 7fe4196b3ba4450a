// Windows: building, single instance, destruction, geometry and states.
#include "headless/headless_model.h"

#include <algorithm>
#include <stdexcept>

namespace kameng {

namespace {

bool validDescription(const WindowDescription& d) {
    if (d.name.empty()) return false;
    std::set<std::string_view> names;
    for (const auto& c : d.controls)
        if (c.name.empty() || !names.insert(c.name).second) return false;
    return true;
}

int frameWidth(int border) { return border == border::None ? 0 : 2 * HeadlessFramework::FrameSide; }
int frameHeight(int border) {
    return border == border::None ? 0 : HeadlessFramework::FrameTitle + HeadlessFramework::FrameSide;
}

int centredOffset(int screen, int size) { return (screen - size) / 2; }  // truncates toward zero

}  // namespace

HeadlessFramework::HeadlessFramework() : impl_(std::make_unique<Impl>(*this)) {}
HeadlessFramework::~HeadlessFramework() = default;

// --- lookup -------------------------------------------------------------------

WindowPtr HeadlessFramework::Impl::find(std::string_view name) const {
    for (const auto& w : windows)
        if (w->description.name == name) return w;
    return nullptr;
}

WindowPtr HeadlessFramework::Impl::window(std::string_view name) const {
    auto w = find(name);
    if (!w) throw std::invalid_argument("headless: window \"" + std::string(name) + "\" is not loaded");
    return w;
}

HeadlessControl& HeadlessFramework::Impl::control(const ControlId& id) const {
    auto w = window(id.window);
    auto it = w->controls.find(id.name);
    if (it == w->controls.end())
        throw std::invalid_argument("headless: no control \"" + id.name + "\" in window \"" + id.window + "\"");
    return it->second;
}

HeadlessControl& HeadlessFramework::Impl::browserControl(const ControlId& id) const {
    auto& c = control(id);
    if (c.kind() != Kind::Browser)
        throw std::invalid_argument("headless: \"" + id.name + "\" is not a web browser box");
    return c;
}

// --- geometry -------------------------------------------------------------------

int HeadlessFramework::Impl::clientWidthOf(const HeadlessWindow& w) const {
    if (w.state == window_state::Minimised) return 0;
    return std::max(0, w.rect.width - frameWidth(w.border));
}

int HeadlessFramework::Impl::clientHeightOf(const HeadlessWindow& w) const {
    if (w.state == window_state::Minimised) return 0;
    return std::max(0, w.rect.height - frameHeight(w.border));
}

void HeadlessFramework::Impl::dockStatusBars(HeadlessWindow& w) const {
    const int cw = clientWidthOf(w), ch = clientHeightOf(w);
    for (auto& [name, c] : w.controls)
        if (c.kind() == Kind::StatusBar && c.parent.empty())
            c.rect = Rect{0, ch - StatusBarHeight, cw, StatusBarHeight};
}

void HeadlessFramework::Impl::changeGeometry(const WindowPtr& w, const std::function<void()>& change) {
    const Rect before = w->rect;
    const int cw = clientWidthOf(*w), ch = clientHeightOf(*w);
    change();
    const Rect after = w->rect;
    if (after.left != before.left || after.top != before.top) raise(w, {}, Event::Moved);
    if (!w->alive) return;
    if (after.width != before.width || after.height != before.height || cw != clientWidthOf(*w) ||
        ch != clientHeightOf(*w)) {
        dockStatusBars(*w);
        raise(w, {}, Event::SizeChanged);
    }
}

void HeadlessFramework::Impl::restoreFromMinimised(const WindowPtr& w) {
    changeGeometry(w, [&] { w->state = w->stateBeforeMinimise; });
}

void HeadlessFramework::Impl::setWindowState(const WindowPtr& w, int state) {
    if (!w->visible) return;  // the position property acts on shown windows only
    switch (state) {
    case window_state::Normal:
    case window_state::Centred:
        changeGeometry(w, [&] {
            const bool wasMaximised = w->state == window_state::Maximised ||
                                      (w->state == window_state::Minimised &&
                                       w->stateBeforeMinimise == window_state::Maximised);
            if (wasMaximised) w->rect = w->restored;
            w->state = window_state::Normal;
            if (state == window_state::Centred) {
                w->rect.left = centredOffset(screenWidth, w->rect.width);
                w->rect.top = centredOffset(screenHeight, w->rect.height);
            }
        });
        break;
    case window_state::Minimised:
        if (w->state == window_state::Minimised) return;
        changeGeometry(w, [&] {
            w->stateBeforeMinimise = w->state;
            w->state = window_state::Minimised;
        });
        break;
    case window_state::Maximised:
        if (w->state == window_state::Maximised) return;
        changeGeometry(w, [&] {
            const bool fromMaximised = w->state == window_state::Minimised &&
                                       w->stateBeforeMinimise == window_state::Maximised;
            if (!fromMaximised) w->restored = w->rect;
            w->state = window_state::Maximised;
            w->rect = Rect{0, 0, screenWidth, screenHeight};
        });
        break;
    default:
        break;
    }
}

// --- z-order, showing, activation ------------------------------------------

void HeadlessFramework::Impl::restackWindows() {
    std::stable_partition(windows.begin(), windows.end(), [](const WindowPtr& w) { return w->alwaysOnTop; });
}

void HeadlessFramework::Impl::activate(const WindowPtr& w) {
    auto it = std::find(windows.begin(), windows.end(), w);
    if (it != windows.end()) std::rotate(windows.begin(), it, it + 1);
    restackWindows();
    active = w->description.name;
}

void HeadlessFramework::Impl::show(const WindowPtr& w, bool shown) {
    if (w->visible == shown) return;
    w->visible = shown;
    if (shown) {
        activate(w);
    } else if (active == w->description.name) {
        active.clear();
    }
}

bool HeadlessFramework::Impl::userCanReach(const HeadlessWindow& w) const {
    return w.alive && !w.destroying && w.visible && !w.disabled && w.state != window_state::Minimised;
}

bool HeadlessFramework::Impl::userCanReach(const HeadlessWindow& w, const HeadlessControl& c) const {
    if (!userCanReach(w) || !c.visible || c.disabled) return false;
    if (c.parent.empty()) return true;
    auto bar = w.controls.find(c.parent);
    return bar != w.controls.end() && bar->second.visible;
}

// --- building and destruction -------------------------------------------------

WindowPtr HeadlessFramework::Impl::build(const WindowDescription& d, std::string_view parent) {
    auto w = std::make_shared<HeadlessWindow>();
    w->description = d;
    w->generation = nextGeneration++;
    w->handle = nextHandle += 0x10;
    w->owner = std::string(parent);
    w->rect = d.rect;
    w->rect.width = std::max(0, w->rect.width);
    w->rect.height = std::max(0, w->rect.height);
    if (d.centred) {
        w->rect.left = centredOffset(screenWidth, w->rect.width);
        w->rect.top = centredOffset(screenHeight, w->rect.height);
    }
    w->border = d.border;
    w->alwaysOnTop = d.alwaysOnTop;
    for (const auto& cd : d.controls) {
        HeadlessControl c;
        c.description = cd;
        c.rect = cd.rect;
        c.visible = cd.shown;
        c.text = cd.text;
        c.pointer = static_cast<int>(cd.pointer);
        c.handle = nextHandle += 0x10;
        c.partWidths = cd.statusParts;
        c.partTexts.assign(cd.statusParts.size(), std::string());
        c.browser.textSize = std::clamp(cd.textSize, 0, 4);
        c.browser.offline = cd.offline;
        c.browser.silent = cd.silent;
        if (cd.kind != Kind::Timer) w->stacking.push_back(cd.name);
        auto& placed = w->controls.emplace(cd.name, std::move(c)).first->second;
        if (cd.kind == Kind::Timer) setTimerPeriod(placed, cd.period);
        if (cd.kind == Kind::Browser && !cd.address.empty()) {
            placed.browser.navigations.push_back(cd.address);
            placed.browser.location = cd.address;
        }
    }
    dockStatusBars(*w);
    windows.push_back(w);
    restackWindows();
    dropQuit();  // the program has a window again
    return w;
}

void HeadlessFramework::Impl::completeDestroy(WindowPtr w) {
    if (w->destroying || !w->alive) return;
    w->destroying = true;
    w->destroyPending = false;
    raise(w, {}, Event::WillBeDestroyed);
    w->alive = false;
    std::erase(windows, w);
    const std::string& name = w->description.name;
    if (active == name) active.clear();
    if (focus && focus->window == name) focus.reset();
    if (windows.empty()) postQuit();
}

// --- Framework: windows -------------------------------------------------------

bool HeadlessFramework::loadWindow(const WindowDescription& description, std::string_view parent, bool) {
    auto& s = *impl_;
    if (auto existing = s.find(description.name)) {
        if (existing->destroying) return false;
        if (!existing->destroyPending) {
            if (existing->state == window_state::Minimised && existing->visible)
                s.restoreFromMinimised(existing);
            if (existing->alive && existing->visible) s.activate(existing);
            return true;
        }
        s.completeDestroy(existing);
    }
    if (!validDescription(description)) return false;
    if (auto it = s.failLoads.find(description.name); it != s.failLoads.end()) {
        s.failLoads.erase(it);
        return false;
    }
    auto w = s.build(description, parent);
    for (Event e : {Event::Created, Event::Moved, Event::SizeChanged}) {
        if (!w->alive) return true;
        if (e == Event::SizeChanged) s.dockStatusBars(*w);
        s.raise(w, {}, e);
    }
    if (w->alive && description.visible) s.show(w, true);
    return true;
}

void HeadlessFramework::destroyWindow(std::string_view window) {
    auto w = impl_->window(window);
    if (w->destroyPending || w->destroying) return;
    w->destroyPending = true;
    impl_->post(w, [this, w] { impl_->completeDestroy(w); });
}

bool HeadlessFramework::isLoaded(std::string_view window) const { return impl_->find(window) != nullptr; }

int HeadlessFramework::clientWidth(std::string_view window) const {
    return impl_->clientWidthOf(*impl_->window(window));
}

int HeadlessFramework::clientHeight(std::string_view window) const {
    return impl_->clientHeightOf(*impl_->window(window));
}

int HeadlessFramework::screenWidth() const { return impl_->screenWidth; }
int HeadlessFramework::screenHeight() const { return impl_->screenHeight; }

void HeadlessFramework::setZOrder(const ControlId& id, ZOrder code) {
    auto& s = *impl_;
    if (id.isWindow()) {
        auto w = s.window(id.window);
        auto it = std::find(s.windows.begin(), s.windows.end(), w);
        switch (code) {
        case ZOrder::Top: std::rotate(s.windows.begin(), it, it + 1); break;
        case ZOrder::Bottom: std::rotate(it, it + 1, s.windows.end()); break;
        case ZOrder::Topmost:
            w->alwaysOnTop = true;
            std::rotate(s.windows.begin(), it, it + 1);
            break;
        case ZOrder::NotTopmost:
            w->alwaysOnTop = false;
            std::rotate(s.windows.begin(), it, it + 1);
            break;
        default: return;
        }
        s.restackWindows();
        return;
    }
    auto w = s.window(id.window);
    auto& c = s.control(id);
    auto it = std::find(w->stacking.begin(), w->stacking.end(), c.description.name);
    if (it == w->stacking.end()) return;  // a timer, or a child of a status bar
    switch (code) {
    case ZOrder::Top:
    case ZOrder::Topmost: std::rotate(w->stacking.begin(), it, it + 1); break;
    case ZOrder::Bottom: std::rotate(it, it + 1, w->stacking.end()); break;
    default: break;  // NotTopmost keeps a control where it is
    }
}

std::vector<std::string> HeadlessFramework::stackingOrder(std::string_view window) const {
    return impl_->window(window)->stacking;
}

void HeadlessFramework::repaintNow(const ControlId& id) {
    if (id.isWindow()) {
        impl_->window(id.window);
        return;
    }
    ++impl_->control(id).repaints;
}

}  // namespace kameng
