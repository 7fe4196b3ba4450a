// The window and control framework on GTK 3, WebKitGTK 4.1 and X11.
//
// Handles: windowHandle of a window is its X11 window id. Controls have no
// X windows of their own (GTK draws them inside their window's), so a
// control's handle is a number of this framework's own: distinct, non-zero
// and never a valid X id (X ids leave the top three bits clear, these set
// bit 31). focusedHandle gives the handle of the control that holds the
// keyboard focus, so the two can be compared.
#pragma once

#include "platform/framework.h"
#include "platform/gtk/x11_window.h"
#include "platform/gtk/gobject_ptr.h"
#include "platform/gtk/top_window.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kameng::gtk {

class BrowserControl;
class StatusBarControl;

class GtkFramework final : public Framework, private WindowOwner {
public:
    // Connects to the display; false when there is none.
    static bool initialiseToolkit();

    // Needs initialiseToolkit() to have succeeded.
    GtkFramework();
    ~GtkFramework() override;

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

    // What shows a window (its GtkWindow) or a control (the widget placed
    // in its parent; null for a timer). For tests and diagnostics.
    GtkWidget* widgetOf(const ControlId& id) const;
    // Where a status bar part ends as the bar is drawn, from its left edge.
    int drawnStatusPartRightEdge(const ControlId& bar, int part) const;

protected:
    void runLoop() override;

private:
    // WindowOwner
    void closeRequested(const std::string& window) override;
    void windowActivated(const std::string& window) override;
    NativeHandle nextControlHandle() override;
    std::optional<FrameExtents> knownFrame(int border) const override;
    void rememberFrame(int border, const FrameExtents& frame) override;
    Rect primaryScreen() const override;

    TopWindow* window(std::string_view name) const;
    Control* control(const ControlId& id) const;
    StatusBarControl* statusBar(const ControlId& id) const;
    BrowserControl* browser(const ControlId& id) const;
    // Raises will be destroyed, then takes the window down; ends the loop
    // when it was the last. Takes the name by value: callers pass names
    // from lists that the handlers change.
    void destroyNow(std::string name);
    static gboolean onDestroyDue(gpointer self);

    std::map<std::string, std::unique_ptr<TopWindow>, std::less<>> windows_;
    std::vector<std::string> pendingDestruction_;
    SourceId destructionDue_;
    bool quit_ = false;
    std::string lastActive_;
    NativeHandle nextHandle_ = 0;
    std::map<int, FrameExtents> frames_;
};

}  // namespace kameng::gtk
