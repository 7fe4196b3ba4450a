// What MainWindow's browser does with its events, and the toolbar
// commands that serve it.
#pragma once

#include "platform/description.h"

#include <string>

namespace kameng {

class Framework;
class DesktopServices;

struct MainBrowserControls {
    ControlId browser;
    ControlId addressBox;  // follows the page unless it holds the focus
    ControlId statusBar;   // part 0 mirrors the status text
};

class MainBrowser {
public:
    MainBrowser(Framework& framework, DesktopServices& desktop, MainBrowserControls controls,
                std::string chatAddress);

    // Browser event 6: the status text goes to part 0 of the status bar.
    void onStatusTextChange();
    // Browser event 4: the address box takes the browser's current location.
    void onDownloadComplete();
    // Browser event 9: the new window's page opens in this browser instead,
    // if it is a web address; the new window itself is always cancelled.
    void onNewWindow(EventArgs& args);
    // 刷新
    void refresh();
    // 在线客服: the chat page in the user's default browser.
    void openCustomerService();

private:
    Framework& framework_;
    DesktopServices& desktop_;
    MainBrowserControls controls_;
    std::string chatAddress_;
};

}  // namespace kameng
