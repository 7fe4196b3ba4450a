// An in-memory implementation of the window framework for tests: windows and
// controls with rectangles, a real event queue, timers on a virtual clock, and
// hooks that let a test act as the user, the screen and the browser control.
//
// How it behaves, where a desktop would leave it open:
// - Windows have a fixed frame: FrameSide px left, right and bottom and
//   FrameTitle px on top for every border but 0, none for border 0. A
//   minimised window's client area is 0 x 0 (as on Windows); a maximised
//   window covers the screen. Properties 0-3 of a window always read the
//   rectangle it has or will return to when restored from minimised.
// - A status bar is StatusBarHeight px high and docked at the bottom of its
//   window's client area at full width, before every size changed event.
// - Moved is raised when a window's left/top change, size changed when its
//   outer or client size changes, both inside the operation that changed it.
// - A width or height below -1 becomes 0 (as on Windows); -1 keeps it.
// - Timers are not part of stackingOrder().
// - setFocusTo gives the focus to any control, shown or not; hiding the
//   focused control hands the focus to its window.
// - destroyWindow queues the destruction behind the events already queued.
// - Addressing a window that is not loaded, a control that does not exist,
//   or a browser operation on a control that is not a browser throws
//   std::invalid_argument: on a desktop that is the caller's fault, here it
//   makes such a fault visible in the test.
// - Time passes only when a test or the program waits: waitForEvents,
//   advanceClock, the run loop when idle, or setProcessEventsCost.
//   waitForEvents(ms) lets the whole ms pass, stepping from one due timer to
//   the next and dispatching on the way, unless a quit comes. A spin on
//   tickCount() that never waits throws std::logic_error instead of hanging,
//   and so does run() when windows are open but nothing could ever happen
//   (no event queued, no timer running, nothing scheduled), or when the loop
//   runs past the run limit of virtual time.
// - Once the last window is gone a quit is pending: processEvents stops
//   before it and waitForEvents dispatches nothing more, yet still lets its
//   time pass, so that code waiting for a deadline in a loop gets there.
// - Loading a window again drops a pending quit: the program has a window.
// - Actions of the user are events on the queue, delivered in order when the
//   loop, processEvents or waitForEvents runs. With Delivery::Now the action
//   also processes the queue at once; with Delivery::Queued it only queues.
//   A queued click is checked again when delivered: a button that has been
//   hidden or disabled meanwhile is not clicked.
// - Browser events are raised synchronously by raiseBrowserEvent, as the
//   control's own notifications are.
#pragma once

#include "platform/framework.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kameng {

enum class Delivery { Now, Queued };

// Virtual-key codes and modifier flags for pressKey (Win32 values).
namespace vkey {
inline constexpr int Escape = 0x1B;
inline constexpr int Return = 0x0D;
// Letters and digits are their upper-case ASCII codes: 'G'.
}  // namespace vkey
namespace modifier {
inline constexpr int None = 0;
inline constexpr int Alt = 1;
inline constexpr int Control = 2;
inline constexpr int Shift = 4;
}  // namespace modifier

class HeadlessFramework : public Framework {
public:
    static constexpr int FrameSide = 3;
    static constexpr int FrameTitle = 26;
    static constexpr int StatusBarHeight = 20;
    static constexpr int DefaultScreenWidth = 1024;
    static constexpr int DefaultScreenHeight = 768;

    HeadlessFramework();
    ~HeadlessFramework() override;

    // --- Framework --------------------------------------------------------
    bool loadWindow(const WindowDescription& description, std::string_view parent = {},
                    bool modal = false) override;
    void destroyWindow(std::string_view window) override;
    bool isLoaded(std::string_view window) const override;
    Value getProperty(const ControlId& control, int number) const override;
    void setProperty(const ControlId& control, int number, const Value& value) override;
    void moveControl(const ControlId& control, std::optional<int> left, std::optional<int> top,
                     std::optional<int> width = {}, std::optional<int> height = {}) override;
    void setParentWindow(const ControlId& control, const ControlId& parent) override;
    void setFocusTo(const ControlId& control) override;
    NativeHandle focusedHandle() const override;
    NativeHandle windowHandle(const ControlId& control) const override;
    int clientWidth(std::string_view window) const override;
    int clientHeight(std::string_view window) const override;
    int screenWidth() const override;
    int screenHeight() const override;
    void setZOrder(const ControlId& control, ZOrder code) override;
    std::vector<std::string> stackingOrder(std::string_view window) const override;
    void repaintNow(const ControlId& control) override;
    void setStatusPartText(const ControlId& bar, int part, std::string_view text) override;
    void setStatusPartWidth(const ControlId& bar, int part, int width) override;
    std::string statusPartText(const ControlId& bar, int part) const override;
    int statusPartWidth(const ControlId& bar, int part) const override;
    void navigate(const ControlId& browser, std::string_view address) override;
    void browserCommand(const ControlId& browser, int command) override;
    void processEvents() override;
    void waitForEvents(int milliseconds) override;
    std::uint32_t tickCount() const override;

    // --- test-only: screen, clock and loop ----------------------------------
    // The primary screen's size; 1024 x 768 unless set.
    void setScreenSize(int width, int height);
    // Makes tickCount() read `value` now; it goes on counting (and wrapping)
    // from there.
    void setTickCount(std::uint32_t value);
    // Virtual milliseconds since the framework was made.
    std::uint64_t elapsed() const;
    // Lets `milliseconds` of virtual time pass. Timers fall due and scheduled
    // actions run in time order; with Delivery::Now every event is dispatched
    // as it becomes due (like waitForEvents, but it never stops early), with
    // Delivery::Queued they stay queued.
    void advanceClock(int milliseconds, Delivery delivery = Delivery::Now);
    // Queues `action` as an event `afterMilliseconds` from now: the way to
    // script the user while run() is going.
    void schedule(int afterMilliseconds, std::function<void()> action);
    // Virtual time that every processEvents() call lets pass first (default
    // 0), for code that waits by spinning on tickCount().
    void setProcessEventsCost(int milliseconds);
    // run() throws once its loop has run this much virtual time (default one
    // virtual day).
    void setRunLimit(std::uint64_t milliseconds);
    bool hasQueuedEvents() const;
    // The next loadWindow of this window fails (returns false, builds nothing).
    void failNextLoad(std::string_view window);

    // --- test-only: the user -------------------------------------------------
    // Each returns false, and does nothing, when the user could not do it:
    // the window is not loaded or hidden, the control hidden or disabled.
    bool clickButton(const ControlId& button, Delivery delivery = Delivery::Now);
    bool pressLeftMouse(const ControlId& control, int x, int y, int keyState = 0,
                        Delivery delivery = Delivery::Now);
    // A key pressed while `window` is active. Esc without modifiers closes a
    // window described escCloses; Alt+letter clicks the shown, enabled button
    // whose caption holds "&letter". A browser box that has the focus and
    // takes keys (setBrowserTakesKeys) gets the key first and keeps it.
    bool pressKey(std::string_view window, int virtualKey, int modifiers = modifier::None,
                  Delivery delivery = Delivery::Now);
    // The close button, Alt+F4 or the system menu: the window is destroyed
    // when the event is delivered (will be destroyed first).
    bool closeByUser(std::string_view window, Delivery delivery = Delivery::Now);
    bool minimiseByUser(std::string_view window, Delivery delivery = Delivery::Now);
    bool maximiseByUser(std::string_view window, Delivery delivery = Delivery::Now);
    bool restoreByUser(std::string_view window, Delivery delivery = Delivery::Now);
    // The user clicks into / tabs to a shown, enabled control.
    bool giveFocus(const ControlId& control);

    // --- test-only: what the screen shows --------------------------------------
    // The control's rectangle relative to its window's client area (a child
    // of a status bar counts from the bar's place).
    Rect rectInClient(const ControlId& control) const;
    // The right edge of a status bar part: the running sum of the widths, the
    // bar's right end for a part of width -1, 0 for a missing part.
    int statusPartRightEdge(const ControlId& bar, int part) const;
    int statusPartCount(const ControlId& bar) const;
    // The status bar a control was moved into, or "" for the client area.
    std::string parentOf(const ControlId& control) const;
    std::string windowTitle(std::string_view window) const;
    std::string ownerOf(std::string_view window) const;
    // The active window's name, "" when none.
    std::string activeWindow() const;
    // Loaded windows, front to back.
    std::vector<std::string> windowStackingOrder() const;
    int repaintCount(const ControlId& control) const;

    // --- test-only: browser boxes ------------------------------------------------
    // Every address the control was asked to load, in order (its described
    // address, navigate, writes of property 11).
    std::vector<std::string> navigations(const ControlId& browser) const;
    // Every valid command asked of it, in order.
    std::vector<int> browserCommands(const ControlId& browser) const;
    // The current location (read by property 11 outside events 0, 1, 5 and 9);
    // navigate and writes of 11 set it too.
    void setBrowserLocation(const ControlId& browser, std::string_view address);
    // The status text that property 12 reads; store it before raising event 6.
    void setBrowserStatusText(const ControlId& browser, std::string_view text);
    // The title that property 13 reads; store it before raising event 7.
    void setBrowserTitle(const ControlId& browser, std::string_view title);
    void setBrowserTakesKeys(const ControlId& browser, bool takesKeys);
    // Raises browser event 0-9 now. While events 0, 1 and 5 run, and 9 when
    // args.address is not empty, property 11 reads args.address. Returns
    // whether the handler cancelled (events 0 and 9 only).
    bool raiseBrowserEvent(const ControlId& browser, int number, EventArgs args = {});

protected:
    void runLoop() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kameng
