// The event queue, the virtual clock, timers and the loop.
#include "headless/headless_model.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kameng {

namespace {
// Reads of tickCount() with the clock standing still and nothing dispatched
// after which the reader is taken to be spinning forever.
constexpr std::uint64_t SpinLimit = 1'000'000;
}  // namespace

// --- raising and posting ----------------------------------------------------------

void HeadlessFramework::Impl::raise(WindowPtr w, std::string_view control, Event event, EventArgs& args) {
    // `w` is held by value: the handler may destroy the window, and its
    // description (with this handler) must outlive the call.
    const Handlers* handlers = &w->description.handlers;
    if (!control.empty()) {
        auto it = w->controls.find(control);
        if (it == w->controls.end()) return;
        handlers = &it->second.description.handlers;
    }
    if (const Handler* handler = handlers->find(event)) (*handler)(args);
}

void HeadlessFramework::Impl::raise(const WindowPtr& w, std::string_view control, Event event) {
    EventArgs args;
    raise(w, control, event, args);
}

void HeadlessFramework::Impl::post(const WindowPtr& w, std::function<void()> run) {
    Posted p;
    if (w) {
        p.window = w->description.name;
        p.generation = w->generation;
    }
    p.run = std::move(run);
    queue.push_back(std::move(p));
}

void HeadlessFramework::Impl::postQuit() {
    if (quitPending()) return;
    Posted p;
    p.quit = true;
    queue.push_back(std::move(p));
}

bool HeadlessFramework::Impl::quitPending() const {
    return std::any_of(queue.begin(), queue.end(), [](const Posted& p) { return p.quit; });
}

void HeadlessFramework::Impl::dropQuit() {
    std::erase_if(queue, [](const Posted& p) { return p.quit; });
}

bool HeadlessFramework::Impl::dispatchOne() {
    if (queue.empty() || queue.front().quit) return false;
    Posted p = std::move(queue.front());
    queue.pop_front();
    ++dispatched;
    if (!p.window.empty()) {
        auto w = find(p.window);
        if (!w || w->generation != p.generation) return true;  // its window is gone
    }
    p.run();
    return true;
}

void HeadlessFramework::Impl::deliver(Delivery delivery) {
    if (delivery == Delivery::Now) self.processEvents();
}

// --- clock and timers ------------------------------------------------------------------

void HeadlessFramework::Impl::setTimerPeriod(HeadlessControl& timer, int period) {
    period = std::max(0, period);
    if (period == timer.period) return;
    timer.period = period;
    if (period == 0) {
        ++timer.tickSerial;  // a tick already queued no longer comes
        timer.tickQueued = false;
        return;
    }
    timer.due = now + static_cast<std::uint64_t>(period);
}

std::optional<std::uint64_t> HeadlessFramework::Impl::nextDue() const {
    std::optional<std::uint64_t> next;
    auto consider = [&](std::uint64_t at) {
        if (!next || at < *next) next = at;
    };
    for (const auto& w : windows)
        for (const auto& [name, c] : w->controls)
            if (c.kind() == Kind::Timer && c.period > 0) consider(c.due);
    for (const auto& s : scheduled) consider(s.at);
    return next;
}

void HeadlessFramework::Impl::fireDue() {
    // Scheduled actions first, in the order they were scheduled.
    std::vector<Scheduled> due;
    for (auto it = scheduled.begin(); it != scheduled.end();) {
        if (it->at <= now) {
            due.push_back(std::move(*it));
            it = scheduled.erase(it);
        } else {
            ++it;
        }
    }
    std::sort(due.begin(), due.end(), [](const Scheduled& a, const Scheduled& b) {
        return a.at != b.at ? a.at < b.at : a.order < b.order;
    });
    for (auto& s : due) post(nullptr, std::move(s.action));

    for (const auto& w : windows) {
        for (auto& [name, c] : w->controls) {
            if (c.kind() != Kind::Timer || c.period == 0 || c.due > now) continue;
            while (c.due <= now) c.due += static_cast<std::uint64_t>(c.period);
            if (c.tickQueued) continue;  // like WM_TIMER, ticks do not pile up
            c.tickQueued = true;
            const std::uint64_t serial = c.tickSerial;
            post(w, [this, w, timerName = name, serial] {
                auto it = w->controls.find(timerName);
                if (it == w->controls.end() || it->second.tickSerial != serial || !it->second.tickQueued) return;
                it->second.tickQueued = false;
                raise(w, timerName, Event::Tick);
            });
        }
    }
}

void HeadlessFramework::Impl::advanceTo(std::uint64_t target, bool dispatch, bool stopAtQuit) {
    for (;;) {
        if (dispatch) self.processEvents();
        if (stopAtQuit && quitPending()) return;
        if (now >= target) return;
        auto next = nextDue();
        now = next && *next < target ? std::max(now, *next) : target;
        fireDue();
    }
}

// --- Framework: the loop ------------------------------------------------------------

void HeadlessFramework::processEvents() {
    auto& s = *impl_;
    if (s.processEventsCost > 0) s.advanceTo(s.now + static_cast<std::uint64_t>(s.processEventsCost), false, false);
    while (s.dispatchOne()) {
    }
}

void HeadlessFramework::waitForEvents(int milliseconds) {
    auto& s = *impl_;
    const std::uint64_t target = s.now + static_cast<std::uint64_t>(std::max(0, milliseconds));
    s.advanceTo(target, true, true);
    // Once the loop is to quit nothing more is dispatched, but the time still
    // passes: a caller that waits for a deadline in a loop must reach it.
    if (s.quitPending()) s.now = std::max(s.now, target);
}

std::uint32_t HeadlessFramework::tickCount() const {
    const auto& s = *impl_;
    if (s.now == s.spinNow && s.dispatched == s.spinDispatched) {
        if (++s.spinReads > SpinLimit) {
            s.spinReads = 0;
            throw std::logic_error(
                "headless: tickCount() read " + std::to_string(SpinLimit) +
                " times while the virtual clock stood still and nothing was dispatched; time passes only in "
                "waitForEvents, advanceClock, the run loop, or with setProcessEventsCost");
        }
    } else {
        s.spinNow = s.now;
        s.spinDispatched = s.dispatched;
        s.spinReads = 0;
    }
    return static_cast<std::uint32_t>(s.tickBase + s.now);
}

void HeadlessFramework::runLoop() {
    auto& s = *impl_;
    const std::uint64_t limit = s.now + s.runLimit;
    if (s.windows.empty()) {
        s.dropQuit();
        return;
    }
    for (;;) {
        while (s.dispatchOne()) {
        }
        if (!s.queue.empty()) {  // a quit is next
            s.queue.pop_front();
            return;
        }
        if (s.windows.empty()) return;
        auto next = s.nextDue();
        if (!next)
            throw std::logic_error(
                "headless: run() would wait forever: windows are open, but no event is queued, no timer runs "
                "and nothing is scheduled");
        if (*next > limit)
            throw std::logic_error("headless: run() went on for " + std::to_string(s.runLimit) +
                                   " virtual ms without the last window closing");
        s.now = std::max(s.now, *next);
        s.fireDue();
    }
}

// --- test-only: clock ------------------------------------------------------------------

void HeadlessFramework::setTickCount(std::uint32_t value) {
    impl_->tickBase = value - static_cast<std::uint32_t>(impl_->now);
}

std::uint64_t HeadlessFramework::elapsed() const { return impl_->now; }

void HeadlessFramework::advanceClock(int milliseconds, Delivery delivery) {
    auto& s = *impl_;
    s.advanceTo(s.now + static_cast<std::uint64_t>(std::max(0, milliseconds)), delivery == Delivery::Now, false);
}

void HeadlessFramework::schedule(int afterMilliseconds, std::function<void()> action) {
    auto& s = *impl_;
    s.scheduled.push_back({s.now + static_cast<std::uint64_t>(std::max(0, afterMilliseconds)), s.scheduleOrder++,
                           std::move(action)});
    if (afterMilliseconds <= 0) s.fireDue();
}

void HeadlessFramework::setProcessEventsCost(int milliseconds) { impl_->processEventsCost = std::max(0, milliseconds); }

void HeadlessFramework::setRunLimit(std::uint64_t milliseconds) { impl_->runLimit = milliseconds; }

bool HeadlessFramework::hasQueuedEvents() const { return !impl_->queue.empty(); }

void HeadlessFramework::failNextLoad(std::string_view window) { impl_->failLoads.emplace(window); }

}  // namespace kameng
