// MainWindow: its description with every handler bound, its creation and
// destruction, and the state it shares with the code that arranges it.
#pragma once

#include "app/main_window_state.h"
#include "app/site_addresses.h"
#include "browse/main_browser.h"
#include "platform/description.h"

namespace kameng {

class Framework;
class DesktopServices;

class MainWindow {
public:
    MainWindow(Framework& framework, DesktopServices& desktop, const SiteAddresses& addresses);
    // Handlers hold on to this object.
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The description to load; its handlers call into this object, which
    // must outlive the window.
    WindowDescription description();

    void onCreated();
    void onDestroyed();

    MainWindowState& state() { return state_; }

private:
    Framework& framework_;
    DesktopServices& desktop_;
    SiteAddresses addresses_;
    MainWindowState state_;
    MainBrowser browser_;
};

}  // namespace kameng
