// 超文本浏览框: a web browser box on WebKitWebView. Raises events 0 to 9,
// keeps the status text (the address of the link under the pointer) and
// answers its numbered commands.
#pragma once

#include "platform/gtk/control.h"

#include <webkit2/webkit2.h>

#include <optional>

namespace kameng::gtk {

class BrowserControl : public Control {
public:
    BrowserControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;
    GtkWidget* focusTarget() const override { return GTK_WIDGET(view_); }
    void detach() override;

    // An address without a scheme is taken as an http address; an empty
    // one is ignored.
    void navigate(std::string_view address);
    void command(int number);

private:
    static gboolean onDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType,
                                   gpointer self);
    static GtkWidget* onCreate(WebKitWebView*, WebKitNavigationAction*, gpointer self);
    static void onLoadChanged(WebKitWebView*, WebKitLoadEvent, gpointer self);
    static void onProgress(GObject*, GParamSpec*, gpointer self);
    static void onTitle(GObject*, GParamSpec*, gpointer self);
    static void onMouseTarget(WebKitWebView*, WebKitHitTestResult*, guint, gpointer self);
    static void onHistoryChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                                 gpointer self);
    static gboolean onScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer self);
    static gboolean onAuthenticate(WebKitWebView*, WebKitAuthenticationRequest*, gpointer self);

    // Raises an event that carries an address readable through property 11
    // while it runs. False when the control is gone afterwards.
    bool raiseWithAddress(Event event, EventArgs& args);
    // Raises the event for a navigation WebKit asks about. True when the
    // control still exists and the handler let the navigation go on.
    bool askHandler(Event event, WebKitPolicyDecision* decision, std::string& address);
    bool decideNavigation(WebKitPolicyDecision* decision);
    bool decideNewWindow(WebKitPolicyDecision* decision);
    void setTextSize(int size);
    void saveAs();
    void print();
    void pageSetup();
    GtkWindow* toplevel() const;

    WebKitWebView* view_ = nullptr;
    int textSize_ = 2;
    bool offline_ = false;
    bool silent_ = false;
    std::string statusText_;
    std::optional<std::string> eventAddress_;
    bool newWindowAllowed_ = false;
    bool canGoBack_ = false;
    bool canGoForward_ = false;
    GObjectPtr<GtkPageSetup> pageSetup_;
    GObjectPtr<GtkPrintSettings> printSettings_;
    GObjectPtr<GtkFileChooserNative> saveDialog_;
};

}  // namespace kameng::gtk
