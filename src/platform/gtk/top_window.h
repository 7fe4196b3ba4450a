// One window of the program: a GtkWindow holding a GtkLayout in which the
// controls sit at their places. Keeps the outer rectangle the program sees
// (frame included) in step with what the window manager does.
#pragma once

#include "platform/gtk/control.h"
#include "platform/gtk/x11_window.h"

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kameng::gtk {

class StatusBarControl;

// What a window needs from the framework that owns it.
class WindowOwner {
public:
    virtual ~WindowOwner() = default;
    // The user closed the window (close button, Alt+F4, Esc).
    virtual void closeRequested(const std::string& window) = 0;
    virtual void windowActivated(const std::string& window) = 0;
    virtual NativeHandle nextControlHandle() = 0;
    // Frames the window manager gave earlier windows, by border kind.
    virtual std::optional<FrameExtents> knownFrame(int border) const = 0;
    virtual void rememberFrame(int border, const FrameExtents& frame) = 0;
    virtual Rect primaryScreen() const = 0;
};

class TopWindow : public ControlHost {
public:
    TopWindow(WindowOwner& owner, const WindowDescription& description, GtkWindow* ownerWindow);
    ~TopWindow() override;
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;

    const std::string& name() const { return description_.name; }
    NativeHandle handle() const { return handle_; }
    GtkWindow* gtkWindow() const { return GTK_WINDOW(window_); }
    Control* control(std::string_view name) const;

    Value property(int number) const;
    void setProperty(int number, const Value& value);
    // Omitted values, and a width or height of -1, stay as they are.
    void moveTo(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                std::optional<int> height);
    void moveControl(Control& control, std::optional<int> left, std::optional<int> top,
                     std::optional<int> width, std::optional<int> height);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    bool shown() const;
    void show();
    // A second load: restores a minimised window, else brings it forward.
    void restoreOrActivate();
    bool isActive() const;
    GtkWidget* layout() const { return layout_; }

    void setZOrder(ZOrder code);
    void setControlZOrder(Control& control, ZOrder code);
    std::vector<std::string> stackingOrder() const;
    // Moves a control into a status bar, or back into the client area.
    void setParent(Control& control, std::string_view parent);
    void repaintNow(Control* control);
    // The control holding the keyboard focus in this window, else the window.
    NativeHandle focusedHandle() const;

    // Raises one of the window's own events. False when the window no
    // longer exists afterwards.
    bool raise(Event event);
    void dockStatusBars();

    // Set once the window is being destroyed: it raises nothing more.
    void beginClosing() { closing_ = true; }
    bool closing() const { return closing_; }
    bool tearingDown() const override { return closing_; }
    void restack() override;

private:
    static gboolean onConfigure(GtkWidget*, GdkEventConfigure*, gpointer self);
    static gboolean onWindowState(GtkWidget*, GdkEventWindowState*, gpointer self);
    static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean onKeyPress(GtkWidget*, GdkEventKey*, gpointer self);
    static gboolean onSurfacePress(GtkWidget*, GdkEventButton*, gpointer self);
    static void onActive(GObject*, GParamSpec*, gpointer self);

    void buildControls();
    void setBorder(int border);
    void setWindowState(int state);
    void applyBorder();
    void applySizeHints();
    bool fixedFrame() const { return border_ >= 2; }
    // Asks for a new outer rectangle; the client area follows from the
    // frame. Raises moved and size changed at once when they change.
    void applyOuter(const Rect& outer);
    void observeGeometry();
    void adopt(const Rect& outer, int clientWidth, int clientHeight);
    void notifyChanges(const Rect& oldOuter, int oldClientWidth, int oldClientHeight);
    void expectGeometry();
    void iconifiedChanged();
    Rect centred(const Rect& outer) const;
    bool keyPressed(const GdkEventKey& event);
    std::vector<StatusBarControl*> statusBars() const;

    WindowOwner& owner_;
    WindowDescription description_;
    GtkWidget* window_ = nullptr;
    GtkWidget* layout_ = nullptr;
    NativeHandle handle_ = 0;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;  // client-area controls, front to back

    int border_;
    bool alwaysOnTop_;
    Rect outer_;
    Rect normalOuter_;  // the outer rectangle while neither maximised nor minimised
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    FrameExtents frame_;
    FrameExtents normalFrame_;  // the frame while neither maximised nor minimised
    bool reverting_ = false;    // undoing a user's resize of a fixed frame
    bool pinned_ = false;       // size hints without play while reverting
    bool maximised_ = false;
    bool iconified_ = false;
    // A rectangle asked of the window manager and not yet seen; geometry
    // reports that differ meanwhile are stale and ignored for a while.
    std::optional<Rect> pending_;
    SourceId pendingExpiry_;
    bool closing_ = false;
    Value tag_;
    int pointer_ = 0;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace kameng::gtk
