// The window and control framework and the web browser control, as the
// program sees them. Everything above src/platform is written against this
// header only; each desktop back end (and the headless test double)
// implements `Framework`.
#pragma once

#include "platform/description.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kameng {

// Native handle of a window or control: an HWND on Windows, an X11 window id
// on Linux. 0 means none.
using NativeHandle = std::uintptr_t;

// setZOrder codes.
enum class ZOrder { Top = 1, Bottom = 2, Topmost = 3, NotTopmost = 4 };

// browserCommand numbers.
namespace browser_command {
inline constexpr int Forward = 0;
inline constexpr int Back = 1;
inline constexpr int Home = 2;
inline constexpr int Search = 3;
inline constexpr int Refresh = 4;
inline constexpr int Stop = 5;
inline constexpr int SaveAs = 6;
inline constexpr int Print = 7;
inline constexpr int PrintPreview = 8;
inline constexpr int PageSetup = 9;
}  // namespace browser_command

class Framework {
public:
    virtual ~Framework() = default;
    Framework() = default;
    Framework(const Framework&) = delete;
    Framework& operator=(const Framework&) = delete;

    // --- windows ---------------------------------------------------------
    // Builds the window hidden, builds its controls (front to back as
    // described), docks a status bar, raises created, then moved, then size
    // changed, then shows the window if it is described visible and is not
    // shown yet.
    // A window already loaded is restored if minimised, else activated, and
    // no second instance is built. Returns false when it cannot be built.
    // `parent` names an owner window; `modal` is accepted for completeness
    // (the program loads every window not modal).
    virtual bool loadWindow(const WindowDescription& description,
                            std::string_view parent = {}, bool modal = false) = 0;
    // Destroys the window (raising will be destroyed) when the event loop
    // next runs. A pending destruction is completed first by loadWindow of
    // the same window.
    virtual void destroyWindow(std::string_view window) = 0;
    virtual bool isLoaded(std::string_view window) const = 0;

    // --- properties ------------------------------------------------------
    virtual Value getProperty(const ControlId& control, int number) const = 0;
    virtual void setProperty(const ControlId& control, int number, const Value& value) = 0;

    // Omitted values, and a width or height of -1, stay as they are; nothing
    // happens when the rectangle does not change. A window's rectangle is its
    // outer rectangle in screen coordinates.
    virtual void moveControl(const ControlId& control, std::optional<int> left,
                             std::optional<int> top, std::optional<int> width = {},
                             std::optional<int> height = {}) = 0;
    // Moves the control into `parent` (a status bar accepts children); from
    // then on its left and top count from the parent's client area.
    virtual void setParentWindow(const ControlId& control, const ControlId& parent) = 0;
    virtual void setFocusTo(const ControlId& control) = 0;
    // The native handle that holds the keyboard focus, 0 when none of ours.
    virtual NativeHandle focusedHandle() const = 0;
    virtual NativeHandle windowHandle(const ControlId& control) const = 0;
    virtual int clientWidth(std::string_view window) const = 0;
    virtual int clientHeight(std::string_view window) const = 0;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    // Re-stacks the control among its siblings (Top/Bottom) or the window
    // among all windows (Topmost/NotTopmost: a control given these codes is
    // raised / kept in place among its siblings), without moving, resizing
    // or activating it.
    virtual void setZOrder(const ControlId& control, ZOrder code) = 0;
    // Names of the window's controls, front to back among their siblings
    // in the window's client area (children of a status bar are left out).
    virtual std::vector<std::string> stackingOrder(std::string_view window) const = 0;
    virtual void repaintNow(const ControlId& control) = 0;

    // --- status bar ------------------------------------------------------
    // Parts count from 0; a missing part is ignored. Part widths are stored;
    // right edges are running sums, and a width of -1 runs to the right end.
    virtual void setStatusPartText(const ControlId& bar, int part, std::string_view text) = 0;
    virtual void setStatusPartWidth(const ControlId& bar, int part, int width) = 0;
    virtual std::string statusPartText(const ControlId& bar, int part) const = 0;
    virtual int statusPartWidth(const ControlId& bar, int part) const = 0;

    // --- web browser box -------------------------------------------------
    virtual void navigate(const ControlId& browser, std::string_view address) = 0;
    // Any other number than those of browser_command does nothing.
    virtual void browserCommand(const ControlId& browser, int command) = 0;

    // --- events and the loop -----------------------------------------------
    // Runs queued events until none is left or a quit is next.
    virtual void processEvents() = 0;
    // Dispatches events, sleeping while none is due, for at most
    // `milliseconds`; returns early once the loop has been asked to quit.
    virtual void waitForEvents(int milliseconds) = 0;
    // A 32-bit millisecond counter that wraps around (GetTickCount's).
    virtual std::uint32_t tickCount() const = 0;

    // Registers a clean-up to run once, after the loop ends, in order of
    // registration.
    void atExit(std::function<void()> cleanup) { exitCleanups_.push_back(std::move(cleanup)); }

    // Runs the event loop until no window of the program is left (at once
    // when none is loaded), then the exit-time clean-ups. Returns the
    // process's exit code.
    int run() {
        runLoop();
        auto cleanups = std::move(exitCleanups_);
        exitCleanups_.clear();
        for (auto& cleanup : cleanups) cleanup();
        return 0;
    }

protected:
    virtual void runLoop() = 0;

private:
    std::vector<std::function<void()>> exitCleanups_;
};

}  // namespace kameng
