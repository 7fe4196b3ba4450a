#include "platform/gtk/browser_control.h"

#include "platform/gtk/uri_launcher.h"

#include <algorithm>
#include <array>
#include <string>

namespace kameng::gtk {
namespace {

// Text sizes 0 (smallest) to 4 (largest) as zoom steps of the text.
constexpr std::array<double, 5> kTextZoom{0.7, 0.85, 1.0, 1.15, 1.3};

std::string requestUri(WebKitNavigationAction* action) {
    WebKitURIRequest* request = action ? webkit_navigation_action_get_request(action) : nullptr;
    const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
    return uri ? uri : "";
}

bool isNetworkAddress(const std::string& uri) {
    // The scheme comes back interned and lower case.
    const char* scheme = g_uri_peek_scheme(uri.c_str());
    return scheme && (std::string_view(scheme) == "http" || std::string_view(scheme) == "https");
}

}  // namespace

BrowserControl::BrowserControl(ControlHost& host, ControlDescription description,
                               NativeHandle handle)
    : Control(host, std::move(description), handle) {
    const ControlDescription& d = this->description();
    WebKitSettings* settings = webkit_settings_new();
    // Anything else paints the wrong rows of a view that overflows its
    // window under X servers without acceleration.
    webkit_settings_set_hardware_acceleration_policy(settings,
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    webkit_settings_set_zoom_text_only(settings, TRUE);
    view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "settings", settings, nullptr));
    g_object_unref(settings);
    setFace(GTK_WIDGET(view_));

    connect(view_, "decide-policy", G_CALLBACK(onDecidePolicy));
    connect(view_, "create", G_CALLBACK(onCreate));
    connect(view_, "load-changed", G_CALLBACK(onLoadChanged));
    connect(view_, "notify::estimated-load-progress", G_CALLBACK(onProgress));
    connect(view_, "notify::title", G_CALLBACK(onTitle));
    connect(view_, "mouse-target-changed", G_CALLBACK(onMouseTarget));
    connect(view_, "script-dialog", G_CALLBACK(onScriptDialog));
    connect(view_, "authenticate", G_CALLBACK(onAuthenticate));
    connect(webkit_web_view_get_back_forward_list(view_), "changed",
            G_CALLBACK(onHistoryChanged));

    offline_ = d.offline;
    silent_ = d.silent;
    setTextSize(d.textSize);
    if (!d.address.empty()) navigate(d.address);
}

void BrowserControl::detach() {
    if (saveDialog_) {
        g_signal_handlers_disconnect_by_data(saveDialog_.get(), this);
        gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(saveDialog_.get()));
        saveDialog_.reset();
    }
    Control::detach();
    view_ = nullptr;
}

void BrowserControl::navigate(std::string_view address) {
    if (!view_ || address.empty()) return;
    std::string uri(address);
    if (!g_uri_peek_scheme(uri.c_str())) uri = "http://" + uri;
    webkit_web_view_load_uri(view_, uri.c_str());
}

void BrowserControl::setTextSize(int size) {
    textSize_ = std::clamp(size, 0, 4);
    webkit_web_view_set_zoom_level(view_, kTextZoom[static_cast<std::size_t>(textSize_)]);
}

Value BrowserControl::property(int number) const {
    switch (number) {
    case prop::TextSize: return textSize_;
    case prop::Offline: return offline_;
    case prop::Silent: return silent_;
    case prop::Address: {
        if (eventAddress_) return *eventAddress_;
        const char* uri = view_ ? webkit_web_view_get_uri(view_) : nullptr;
        return uri ? uri : "";
    }
    case prop::StatusText: return statusText_;
    case prop::Title: {
        const char* title = view_ ? webkit_web_view_get_title(view_) : nullptr;
        return title ? title : "";
    }
    default: return Control::property(number);
    }
}

void BrowserControl::setProperty(int number, const Value& value) {
    switch (number) {
    case prop::TextSize: return setTextSize(value.number());
    case prop::Offline: offline_ = value.number() != 0; return;
    case prop::Silent: silent_ = value.number() != 0; return;
    case prop::Address: return navigate(value.text());
    case prop::StatusText:
    case prop::Title:
    case prop::DesignPreview: return;  // read only
    default: Control::setProperty(number, value);
    }
}

void BrowserControl::command(int number) {
    if (!view_) return;
    switch (number) {
    case browser_command::Forward: webkit_web_view_go_forward(view_); break;
    case browser_command::Back: webkit_web_view_go_back(view_); break;
    case browser_command::Refresh: webkit_web_view_reload(view_); break;
    case browser_command::Stop: webkit_web_view_stop_loading(view_); break;
    case browser_command::SaveAs: saveAs(); break;
    case browser_command::Print:
    case browser_command::PrintPreview: print(); break;  // the print dialog previews
    case browser_command::PageSetup: pageSetup(); break;
    default: break;  // WebKit has no home or search page of its own
    }
}

bool BrowserControl::raiseWithAddress(Event event, EventArgs& args) {
    std::optional<std::string> outer = std::move(eventAddress_);
    eventAddress_ = args.address;
    if (!raise(event, args)) return false;
    eventAddress_ = std::move(outer);
    return true;
}

gboolean BrowserControl::onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                        WebKitPolicyDecisionType type, gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
        return browser->decideNavigation(decision);
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION)
        return browser->decideNewWindow(decision);
    return FALSE;
}

bool BrowserControl::askHandler(Event event, WebKitPolicyDecision* decision, std::string& address) {
    auto* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    EventArgs args;
    args.address = address = requestUri(action);
    return raiseWithAddress(event, args) && !args.cancel;
}

bool BrowserControl::decideNavigation(WebKitPolicyDecision* decision) {
    // The decision outlives a handler that takes the window down.
    GObjectPtr<WebKitPolicyDecision> hold(WEBKIT_POLICY_DECISION(g_object_ref(decision)));
    std::string address;
    if (!askHandler(Event::BeforeNavigate, decision, address) ||
        (offline_ && isNetworkAddress(address))) {
        webkit_policy_decision_ignore(decision);
        return true;
    }
    return false;
}

bool BrowserControl::decideNewWindow(WebKitPolicyDecision* decision) {
    GObjectPtr<WebKitPolicyDecision> hold(WEBKIT_POLICY_DECISION(g_object_ref(decision)));
    std::string address;
    if (!askHandler(Event::NewWindow, decision, address)) {
        webkit_policy_decision_ignore(decision);
        return true;
    }
    newWindowAllowed_ = true;
    webkit_policy_decision_use(decision);
    return true;
}

GtkWidget* BrowserControl::onCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    EventArgs args;
    args.address = requestUri(action);
    // Script-opened windows arrive here without a new-window decision.
    if (!browser->newWindowAllowed_) {
        if (!browser->raiseWithAddress(Event::NewWindow, args) || args.cancel) return nullptr;
    }
    browser->newWindowAllowed_ = false;
    // A new window that the program lets through opens in the user's browser.
    if (isNetworkAddress(args.address)) launchDefaultForUri(args.address);
    return nullptr;
}

void BrowserControl::onLoadChanged(WebKitWebView* view, WebKitLoadEvent load, gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    const char* uri = webkit_web_view_get_uri(view);
    EventArgs args;
    args.address = uri ? uri : "";
    switch (load) {
    case WEBKIT_LOAD_STARTED: browser->raise(Event::DownloadBegin); break;
    case WEBKIT_LOAD_COMMITTED: browser->raiseWithAddress(Event::NavigateComplete, args); break;
    case WEBKIT_LOAD_FINISHED:
        if (!browser->raise(Event::DownloadComplete)) return;
        browser->raiseWithAddress(Event::DocumentComplete, args);
        break;
    default: break;
    }
}

void BrowserControl::onProgress(GObject*, GParamSpec*, gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    EventArgs args;
    args.percent =
        static_cast<int>(webkit_web_view_get_estimated_load_progress(browser->view_) * 100.0);
    browser->raise(Event::ProgressChange, args);
}

void BrowserControl::onTitle(GObject*, GParamSpec*, gpointer self) {
    static_cast<BrowserControl*>(self)->raise(Event::TitleChange);
}

void BrowserControl::onMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    const char* link = webkit_hit_test_result_context_is_link(hit)
                           ? webkit_hit_test_result_get_link_uri(hit)
                           : nullptr;
    std::string text = link ? link : "";
    if (text == browser->statusText_) return;
    browser->statusText_ = std::move(text);
    browser->raise(Event::StatusTextChange);
}

void BrowserControl::onHistoryChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                                      gpointer self) {
    auto* browser = static_cast<BrowserControl*>(self);
    bool forward = webkit_web_view_can_go_forward(browser->view_);
    bool back = webkit_web_view_can_go_back(browser->view_);
    if (forward != browser->canGoForward_) {
        browser->canGoForward_ = forward;
        EventArgs args;
        args.command = 0;
        args.enabled = forward;
        if (!browser->raise(Event::CommandStateChange, args)) return;
    }
    if (back != browser->canGoBack_) {
        browser->canGoBack_ = back;
        EventArgs args;
        args.command = 1;
        args.enabled = back;
        browser->raise(Event::CommandStateChange, args);
    }
}

gboolean BrowserControl::onScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self) {
    if (!static_cast<BrowserControl*>(self)->silent_) return FALSE;
    // A silent browser answers every dialog as if the user had dismissed it.
    switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_CONFIRM: webkit_script_dialog_confirm_set_confirmed(dialog, FALSE); break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
        webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);
        break;
    default: break;
    }
    return TRUE;
}

gboolean BrowserControl::onAuthenticate(WebKitWebView*, WebKitAuthenticationRequest* request,
                                        gpointer self) {
    if (!static_cast<BrowserControl*>(self)->silent_) return FALSE;
    webkit_authentication_request_cancel(request);
    return TRUE;
}

GtkWindow* BrowserControl::toplevel() const {
    GtkWidget* top = gtk_widget_get_toplevel(GTK_WIDGET(view_));
    return GTK_IS_WINDOW(top) ? GTK_WINDOW(top) : nullptr;
}

void BrowserControl::saveAs() {
    if (saveDialog_) return;
    saveDialog_.reset(gtk_file_chooser_native_new(nullptr, toplevel(), GTK_FILE_CHOOSER_ACTION_SAVE,
                                                  nullptr, nullptr));
    gtk_file_chooser_set_do_overwrite_confirmation(GTK_FILE_CHOOSER(saveDialog_.get()), TRUE);
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(saveDialog_.get()), "page.mht");
    g_signal_connect(saveDialog_.get(), "response",
                     G_CALLBACK(+[](GtkNativeDialog* dialog, gint response, gpointer self) {
                         auto* browser = static_cast<BrowserControl*>(self);
                         if (response == GTK_RESPONSE_ACCEPT && browser->view_) {
                             GObjectPtr<GFile> file(
                                 gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog)));
                             webkit_web_view_save_to_file(browser->view_, file.get(),
                                                          WEBKIT_SAVE_MODE_MHTML, nullptr,
                                                          nullptr, nullptr);
                         }
                         g_signal_handlers_disconnect_by_data(dialog, self);
                         browser->saveDialog_.reset();
                     }),
                     this);
    gtk_native_dialog_show(GTK_NATIVE_DIALOG(saveDialog_.get()));
}

void BrowserControl::print() {
    GObjectPtr<WebKitPrintOperation> operation(webkit_print_operation_new(view_));
    if (pageSetup_) webkit_print_operation_set_page_setup(operation.get(), pageSetup_.get());
    if (printSettings_)
        webkit_print_operation_set_print_settings(operation.get(), printSettings_.get());
    webkit_print_operation_run_dialog(operation.get(), toplevel());
}

void BrowserControl::pageSetup() {
    if (!printSettings_) printSettings_.reset(gtk_print_settings_new());
    std::weak_ptr<int> alive = aliveToken();
    // The dialog runs a loop of its own, in which the window may go away.
    GtkPageSetup* chosen =
        gtk_print_run_page_setup_dialog(toplevel(), pageSetup_.get(), printSettings_.get());
    if (alive.expired()) {
        if (chosen) g_object_unref(chosen);
        return;
    }
    if (chosen) pageSetup_.reset(chosen);
}

}  // namespace kameng::gtk
