// The double's inner state: windows, controls, the event queue and the clock.
#pragma once

#include "headless/headless_framework.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kameng {

struct HeadlessBrowser {
    std::vector<std::string> navigations;
    std::vector<int> commands;
    std::string location;
    std::string statusText;
    std::string title;
    // What property 11 reads while an event that carries an address runs.
    std::optional<std::string> eventAddress;
    int textSize = 2;
    bool offline = false;
    bool silent = false;
    bool takesKeys = false;
};

struct HeadlessControl {
    ControlDescription description;
    Rect rect;           // relative to the parent's client area
    std::string parent;  // "" the window's client area, else a status bar
    bool visible = true;
    bool disabled = false;
    Value tag;
    int pointer = 0;
    std::string text;
    NativeHandle handle = 0;
    std::map<int, Value> other;  // properties this double gives no meaning
    int repaints = 0;

    // 时钟
    int period = 0;
    std::uint64_t due = 0;
    bool tickQueued = false;
    std::uint64_t tickSerial = 0;  // a queued tick of an older serial is void

    // 状态条
    std::vector<int> partWidths;
    std::vector<std::string> partTexts;

    HeadlessBrowser browser;

    Kind kind() const { return description.kind; }
};

struct HeadlessWindow {
    WindowDescription description;
    std::uint64_t generation = 0;
    NativeHandle handle = 0;
    std::string owner;
    Rect rect;      // outer, screen coordinates (the screen while maximised)
    Rect restored;  // the normal rectangle while maximised
    int state = window_state::Normal;  // Normal, Minimised or Maximised
    int stateBeforeMinimise = window_state::Normal;
    int border = border::Fixed;
    bool visible = false;
    bool disabled = false;
    bool alwaysOnTop = false;
    Value tag;
    int pointer = 0;
    std::map<int, Value> other;
    std::map<std::string, HeadlessControl, std::less<>> controls;
    std::vector<std::string> stacking;  // client-area children, front to back
    bool destroyPending = false;
    bool destroying = false;
    bool alive = true;
};

using WindowPtr = std::shared_ptr<HeadlessWindow>;

struct HeadlessFramework::Impl {
    struct Posted {
        bool quit = false;
        std::string window;  // "" for events that belong to no window
        std::uint64_t generation = 0;
        std::function<void()> run;
    };
    struct Scheduled {
        std::uint64_t at;
        std::uint64_t order;
        std::function<void()> action;
    };

    explicit Impl(HeadlessFramework& owner) : self(owner) {}

    HeadlessFramework& self;
    std::vector<WindowPtr> windows;  // front to back
    std::string active;
    std::optional<ControlId> focus;
    std::set<std::string, std::less<>> failLoads;
    int screenWidth = DefaultScreenWidth;
    int screenHeight = DefaultScreenHeight;
    std::uint64_t nextGeneration = 1;
    NativeHandle nextHandle = 0x10000;

    std::deque<Posted> queue;
    std::vector<Scheduled> scheduled;
    std::uint64_t scheduleOrder = 0;
    std::uint64_t now = 0;
    std::uint32_t tickBase = 0;
    int processEventsCost = 0;
    std::uint64_t runLimit = 24ull * 60 * 60 * 1000;
    std::uint64_t dispatched = 0;
    mutable std::uint64_t spinReads = 0;
    mutable std::uint64_t spinNow = ~0ull;
    mutable std::uint64_t spinDispatched = ~0ull;

    // --- lookup (throw std::invalid_argument when absent) ---
    WindowPtr find(std::string_view name) const;
    WindowPtr window(std::string_view name) const;
    HeadlessControl& control(const ControlId& id) const;
    HeadlessControl& browserControl(const ControlId& id) const;

    // --- windows ---
    WindowPtr build(const WindowDescription& description, std::string_view parent);
    void completeDestroy(WindowPtr w);
    void show(const WindowPtr& w, bool shown);
    void activate(const WindowPtr& w);
    void restackWindows();
    int clientWidthOf(const HeadlessWindow& w) const;
    int clientHeightOf(const HeadlessWindow& w) const;
    void dockStatusBars(HeadlessWindow& w) const;
    // Runs `change` and raises moved / size changed for what it changed.
    void changeGeometry(const WindowPtr& w, const std::function<void()>& change);
    void setWindowState(const WindowPtr& w, int state);
    void restoreFromMinimised(const WindowPtr& w);
    bool userCanReach(const HeadlessWindow& w) const;
    bool userCanReach(const HeadlessWindow& w, const HeadlessControl& c) const;

    // --- events ---
    // Calls the handler of `control` ("" the window) for `event`, if any.
    void raise(WindowPtr w, std::string_view control, Event event, EventArgs& args);
    void raise(const WindowPtr& w, std::string_view control, Event event);
    void post(const WindowPtr& w, std::function<void()> run);
    void postQuit();
    bool quitPending() const;
    void dropQuit();
    bool dispatchOne();  // false when the queue is empty or a quit is next
    void deliver(Delivery delivery);
    // Queues what the user does to a shown window; false when `allowed` is
    // false or the user cannot reach the window.
    bool postUserAction(std::string_view window, Delivery delivery, bool allowed,
                        std::function<void(const WindowPtr&)> action);

    // --- clock ---
    std::optional<std::uint64_t> nextDue() const;
    // Lets time pass up to `target`, queueing what falls due on the way and,
    // with `dispatch`, running it as it does; stops early at a quit when
    // `stopAtQuit`.
    void advanceTo(std::uint64_t target, bool dispatch, bool stopAtQuit);
    void fireDue();
    void setTimerPeriod(HeadlessControl& timer, int period);
};

}  // namespace kameng
