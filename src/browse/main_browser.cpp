#include "browse/main_browser.h"

#include "browse/web_address.h"
#include "platform/desktop_services.h"
#include "platform/framework.h"

#include <utility>

namespace kameng {

MainBrowser::MainBrowser(Framework& framework, DesktopServices& desktop, MainBrowserControls controls,
                         std::string chatAddress)
    : framework_(framework),
      desktop_(desktop),
      controls_(std::move(controls)),
      chatAddress_(std::move(chatAddress)) {}

void MainBrowser::onStatusTextChange() {
    const auto text = framework_.getProperty(controls_.browser, prop::StatusText).text();
    framework_.setStatusPartText(controls_.statusBar, 0, text);
}

void MainBrowser::onDownloadComplete() {
    // Text the user is typing into the box survives until the focus leaves.
    const NativeHandle box = framework_.windowHandle(controls_.addressBox);
    if (box != 0 && framework_.focusedHandle() == box) return;
    framework_.setProperty(controls_.addressBox, prop::Text,
                           framework_.getProperty(controls_.browser, prop::Address).text());
}

void MainBrowser::onNewWindow(EventArgs& args) {
    args.cancel = true;
    // The status text is only a guess at the target (the link under the
    // pointer); the control's own target is right whenever it has one.
    const std::string target = !args.address.empty()
                                   ? args.address
                                   : framework_.getProperty(controls_.browser, prop::StatusText).text();
    if (isWebAddress(target)) framework_.setProperty(controls_.browser, prop::Address, target);
}

void MainBrowser::refresh() { framework_.browserCommand(controls_.browser, browser_command::Refresh); }

void MainBrowser::openCustomerService() { desktop_.openInDefaultBrowser(chatAddress_); }

}  // namespace kameng
