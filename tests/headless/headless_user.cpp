// What a test does as the user: clicks, keys, closing and window states.
#include "headless/headless_model.h"

#include <cctype>

namespace kameng {

namespace {

// Whether a caption makes `letter` its mnemonic ("主页(&G)" for G); "&&" is
// a literal ampersand.
bool hasMnemonic(std::string_view caption, int letter) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const unsigned char next = static_cast<unsigned char>(caption[i + 1]);
        if (next == '&') {
            ++i;
            continue;
        }
        return std::toupper(next) == std::toupper(letter);
    }
    return false;
}

bool isLetterOrDigit(int virtualKey) {
    return (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
}

}  // namespace

bool HeadlessFramework::clickButton(const ControlId& id, Delivery delivery) {
    auto& s = *impl_;
    auto w = s.find(id.window);
    if (!w || id.isWindow()) return false;
    auto it = w->controls.find(id.name);
    if (it == w->controls.end() || it->second.kind() != Kind::Button || !s.userCanReach(*w, it->second))
        return false;
    s.post(w, [this, w, name = id.name] {
        auto& c = w->controls.at(name);
        if (impl_->userCanReach(*w, c)) impl_->raise(w, name, Event::Clicked);
    });
    s.deliver(delivery);
    return true;
}

bool HeadlessFramework::pressLeftMouse(const ControlId& id, int x, int y, int keyState, Delivery delivery) {
    auto& s = *impl_;
    auto w = s.find(id.window);
    if (!w || id.isWindow()) return false;
    auto it = w->controls.find(id.name);
    if (it == w->controls.end() || it->second.kind() == Kind::Timer || !s.userCanReach(*w, it->second))
        return false;
    s.post(w, [this, w, name = id.name, x, y, keyState] {
        if (!impl_->userCanReach(*w, w->controls.at(name))) return;
        EventArgs args;
        args.x = x;
        args.y = y;
        args.keyState = keyState;
        impl_->raise(w, name, Event::LeftMousePressed, args);
    });
    s.deliver(delivery);
    return true;
}

bool HeadlessFramework::pressKey(std::string_view window, int virtualKey, int modifiers, Delivery delivery) {
    auto& s = *impl_;
    auto w = s.find(window);
    if (!w || !s.userCanReach(*w)) return false;
    s.post(w, [this, w, virtualKey, modifiers] {
        auto& s = *impl_;
        if (!s.userCanReach(*w)) return;
        if (s.focus && s.focus->window == w->description.name && !s.focus->isWindow()) {
            auto focused = w->controls.find(s.focus->name);
            if (focused != w->controls.end() && focused->second.kind() == Kind::Browser &&
                focused->second.browser.takesKeys)
                return;
        }
        if (virtualKey == vkey::Escape && modifiers == modifier::None) {
            if (w->description.escCloses) s.completeDestroy(w);
            return;
        }
        if (modifiers != modifier::Alt || !isLetterOrDigit(virtualKey)) return;
        for (const auto& name : w->stacking) {
            const auto& c = w->controls.at(name);
            if (c.kind() == Kind::Button && s.userCanReach(*w, c) && hasMnemonic(c.text, virtualKey)) {
                s.raise(w, name, Event::Clicked);
                return;
            }
        }
    });
    s.deliver(delivery);
    return true;
}

bool HeadlessFramework::Impl::postUserAction(std::string_view window, Delivery delivery, bool allowed,
                                            std::function<void(const WindowPtr&)> action) {
    auto w = find(window);
    if (!w || !w->visible || w->destroying || !allowed) return false;
    post(w, [w, action = std::move(action)] { action(w); });
    deliver(delivery);
    return true;
}

bool HeadlessFramework::closeByUser(std::string_view window, Delivery delivery) {
    return impl_->postUserAction(window, delivery, true, [this](const WindowPtr& w) { impl_->completeDestroy(w); });
}

bool HeadlessFramework::minimiseByUser(std::string_view window, Delivery delivery) {
    return impl_->postUserAction(window, delivery, true, [this](const WindowPtr& w) {
        impl_->setWindowState(w, window_state::Minimised);
    });
}

bool HeadlessFramework::maximiseByUser(std::string_view window, Delivery delivery) {
    auto w = impl_->find(window);
    const bool hasBox = w && w->description.maximiseBox;
    return impl_->postUserAction(window, delivery, hasBox, [this](const WindowPtr& w) {
        impl_->setWindowState(w, window_state::Maximised);
    });
}

bool HeadlessFramework::restoreByUser(std::string_view window, Delivery delivery) {
    return impl_->postUserAction(window, delivery, true, [this](const WindowPtr& w) {
        auto& s = *impl_;
        if (w->state == window_state::Minimised) {
            s.restoreFromMinimised(w);
            if (w->alive) s.activate(w);
        } else if (w->state == window_state::Maximised) {
            s.setWindowState(w, window_state::Normal);
        }
    });
}

bool HeadlessFramework::giveFocus(const ControlId& id) {
    auto& s = *impl_;
    auto w = s.find(id.window);
    if (!w || !s.userCanReach(*w)) return false;
    if (!id.isWindow()) {
        auto it = w->controls.find(id.name);
        if (it == w->controls.end() || it->second.kind() == Kind::Timer || !s.userCanReach(*w, it->second))
            return false;
    }
    s.focus = id;
    s.activate(w);
    return true;
}

void HeadlessFramework::setScreenSize(int width, int height) {
    impl_->screenWidth = width;
    impl_->screenHeight = height;
}

}  // namespace kameng
