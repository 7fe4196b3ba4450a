// Properties, moving and re-parenting controls, status bar parts and focus.
#include "headless/headless_model.h"

#include <algorithm>

namespace kameng {

namespace {

// A width or height of -1 (or none) keeps the current one; other negative
// sizes become 0, as Windows does with them.
int resolveSize(std::optional<int> requested, int current) {
    if (!requested || *requested == -1) return current;
    return std::max(0, *requested);
}

Rect resolveRect(const Rect& current, std::optional<int> left, std::optional<int> top,
                 std::optional<int> width, std::optional<int> height) {
    return Rect{left.value_or(current.left), top.value_or(current.top), resolveSize(width, current.width),
                resolveSize(height, current.height)};
}

bool hasText(Kind kind) {
    return kind == Kind::Button || kind == Kind::Label || kind == Kind::EditBox || kind == Kind::HyperLink ||
           kind == Kind::TransparentLabel;
}

}  // namespace

Value HeadlessFramework::getProperty(const ControlId& id, int number) const {
    auto& s = *impl_;
    if (id.isWindow()) {
        auto w = s.window(id.window);
        switch (number) {
        case prop::Left: return w->rect.left;
        case prop::Top: return w->rect.top;
        case prop::Width: return w->rect.width;
        case prop::Height: return w->rect.height;
        case prop::Tag: return w->tag;
        case prop::Visible: return w->visible;
        case prop::Disabled: return w->disabled;
        case prop::MousePointer: return w->pointer;
        case prop::Border: return w->border;
        case prop::WindowState: return w->state;
        case prop::AlwaysOnTop: return w->alwaysOnTop;
        default: {
            auto it = w->other.find(number);
            return it == w->other.end() ? Value() : it->second;
        }
        }
    }
    const auto& c = s.control(id);
    switch (number) {
    case prop::Left: return c.rect.left;
    case prop::Top: return c.rect.top;
    case prop::Width: return c.rect.width;
    case prop::Height: return c.rect.height;
    case prop::Tag: return c.tag;
    case prop::Visible: return c.visible;
    case prop::Disabled: return c.disabled;
    case prop::MousePointer: return c.pointer;
    default: break;
    }
    if (number == prop::Text && hasText(c.kind())) return c.text;
    if (number == prop::Period && c.kind() == Kind::Timer) return c.period;
    if (c.kind() == Kind::Browser) {
        const auto& b = c.browser;
        switch (number) {
        case prop::TextSize: return b.textSize;
        case prop::Offline: return b.offline;
        case prop::Silent: return b.silent;
        case prop::Address: return b.eventAddress ? *b.eventAddress : b.location;
        case prop::StatusText: return b.statusText;
        case prop::Title: return b.title;
        case prop::DesignPreview: return 0;
        default: break;
        }
    }
    auto it = c.other.find(number);
    return it == c.other.end() ? Value() : it->second;
}

void HeadlessFramework::setProperty(const ControlId& id, int number, const Value& value) {
    auto& s = *impl_;
    switch (number) {
    case prop::Left: return moveControl(id, value.number(), {});
    case prop::Top: return moveControl(id, {}, value.number());
    case prop::Width: return moveControl(id, {}, {}, value.number());
    case prop::Height: return moveControl(id, {}, {}, {}, value.number());
    default: break;
    }
    if (id.isWindow()) {
        auto w = s.window(id.window);
        switch (number) {
        case prop::Tag: w->tag = value; return;
        case prop::Visible: s.show(w, value.number() != 0); return;
        case prop::Disabled: w->disabled = value.number() != 0; return;
        case prop::MousePointer: w->pointer = value.number(); return;
        case prop::Border: {
            const int border = value.number();
            if (border == w->border) return;
            s.changeGeometry(w, [&] { w->border = border; });
            return;
        }
        case prop::WindowState: s.setWindowState(w, value.number()); return;
        case prop::AlwaysOnTop:
            w->alwaysOnTop = value.number() == 1;
            s.restackWindows();
            return;
        default: w->other[number] = value; return;
        }
    }
    auto& c = s.control(id);
    switch (number) {
    case prop::Tag: c.tag = value; return;
    case prop::Visible:
        c.visible = value.number() != 0;
        // Hiding the control that has the focus hands the focus to its window.
        if (!c.visible && s.focus && *s.focus == id) s.focus = ControlId(id.window);
        return;
    case prop::Disabled: c.disabled = value.number() != 0; return;
    case prop::MousePointer: c.pointer = value.number(); return;
    default: break;
    }
    if (number == prop::Text && hasText(c.kind())) {
        c.text = value.text();
        return;
    }
    if (number == prop::Period && c.kind() == Kind::Timer) {
        s.setTimerPeriod(c, value.number());
        return;
    }
    if (c.kind() == Kind::Browser) {
        auto& b = c.browser;
        switch (number) {
        case prop::TextSize: b.textSize = std::clamp(value.number(), 0, 4); return;
        case prop::Offline: b.offline = value.number() != 0; return;
        case prop::Silent: b.silent = value.number() != 0; return;
        case prop::Address: navigate(id, value.text()); return;
        case prop::StatusText:
        case prop::Title:
        case prop::DesignPreview: return;  // read only / design time only
        default: break;
        }
    }
    c.other[number] = value;
}

void HeadlessFramework::moveControl(const ControlId& id, std::optional<int> left, std::optional<int> top,
                                    std::optional<int> width, std::optional<int> height) {
    auto& s = *impl_;
    if (id.isWindow()) {
        auto w = s.window(id.window);
        const Rect target = resolveRect(w->rect, left, top, width, height);
        if (target == w->rect) return;
        s.changeGeometry(w, [&] { w->rect = target; });
        return;
    }
    auto& c = s.control(id);
    c.rect = resolveRect(c.rect, left, top, width, height);
}

void HeadlessFramework::setParentWindow(const ControlId& id, const ControlId& parent) {
    auto& s = *impl_;
    auto w = s.window(id.window);
    auto& c = s.control(id);
    if (parent.window != id.window || parent == id) return;
    if (parent.isWindow()) {
        if (c.parent.empty()) return;
        c.parent.clear();
        w->stacking.insert(w->stacking.begin(), c.description.name);
        return;
    }
    const auto& bar = s.control(parent);
    if (bar.kind() != Kind::StatusBar || c.kind() == Kind::StatusBar || c.kind() == Kind::Timer) return;
    // The control keeps its left and top; from now on they count from the bar.
    c.parent = parent.name;
    std::erase(w->stacking, c.description.name);
}

// --- status bar -----------------------------------------------------------------

void HeadlessFramework::setStatusPartText(const ControlId& bar, int part, std::string_view text) {
    auto& c = impl_->control(bar);
    if (part < 0 || part >= static_cast<int>(c.partTexts.size())) return;
    c.partTexts[part] = std::string(text);
}

void HeadlessFramework::setStatusPartWidth(const ControlId& bar, int part, int width) {
    auto& c = impl_->control(bar);
    if (part < 0 || part >= static_cast<int>(c.partWidths.size())) return;
    c.partWidths[part] = width;
}

std::string HeadlessFramework::statusPartText(const ControlId& bar, int part) const {
    const auto& c = impl_->control(bar);
    if (part < 0 || part >= static_cast<int>(c.partTexts.size())) return {};
    return c.partTexts[part];
}

int HeadlessFramework::statusPartWidth(const ControlId& bar, int part) const {
    const auto& c = impl_->control(bar);
    if (part < 0 || part >= static_cast<int>(c.partWidths.size())) return 0;
    return c.partWidths[part];
}

int HeadlessFramework::statusPartRightEdge(const ControlId& bar, int part) const {
    const auto& c = impl_->control(bar);
    if (part < 0 || part >= static_cast<int>(c.partWidths.size())) return 0;
    int edge = 0;
    for (int i = 0; i <= part; ++i) edge = c.partWidths[i] == -1 ? c.rect.width : edge + c.partWidths[i];
    return edge;
}

int HeadlessFramework::statusPartCount(const ControlId& bar) const {
    return static_cast<int>(impl_->control(bar).partWidths.size());
}

// --- focus and handles ------------------------------------------------------------

void HeadlessFramework::setFocusTo(const ControlId& id) {
    if (id.isWindow())
        impl_->window(id.window);
    else
        impl_->control(id);
    impl_->focus = id;
}

NativeHandle HeadlessFramework::focusedHandle() const {
    const auto& s = *impl_;
    if (!s.focus) return 0;
    auto w = s.find(s.focus->window);
    if (!w) return 0;
    if (s.focus->isWindow()) return w->handle;
    auto it = w->controls.find(s.focus->name);
    return it == w->controls.end() ? 0 : it->second.handle;
}

NativeHandle HeadlessFramework::windowHandle(const ControlId& id) const {
    if (id.isWindow()) return impl_->window(id.window)->handle;
    return impl_->control(id).handle;
}

// --- inspection -------------------------------------------------------------------

Rect HeadlessFramework::rectInClient(const ControlId& id) const {
    const auto& c = impl_->control(id);
    if (c.parent.empty()) return c.rect;
    const auto& bar = impl_->control(ControlId(id.window, c.parent));
    return Rect{bar.rect.left + c.rect.left, bar.rect.top + c.rect.top, c.rect.width, c.rect.height};
}

std::string HeadlessFramework::parentOf(const ControlId& id) const { return impl_->control(id).parent; }

std::string HeadlessFramework::windowTitle(std::string_view window) const {
    return impl_->window(window)->description.title;
}

std::string HeadlessFramework::ownerOf(std::string_view window) const { return impl_->window(window)->owner; }

std::string HeadlessFramework::activeWindow() const { return impl_->active; }

std::vector<std::string> HeadlessFramework::windowStackingOrder() const {
    std::vector<std::string> names;
    for (const auto& w : impl_->windows) names.push_back(w->description.name);
    return names;
}

int HeadlessFramework::repaintCount(const ControlId& id) const { return impl_->control(id).repaints; }

}  // namespace kameng
