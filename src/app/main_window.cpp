#include "app/main_window.h"

#include "app/home.h"
#include "app/layout.h"
#include "app/main_window_description.h"
#include "app/main_window_names.h"
#include "platform/desktop_services.h"
#include "platform/framework.h"

namespace kameng {

using namespace main_window;

MainWindow::MainWindow(Framework& framework, DesktopServices& desktop, const SiteAddresses& addresses)
    : framework_(framework),
      desktop_(desktop),
      addresses_(addresses),
      browser_(framework, desktop,
               MainBrowserControls{control(browser), control(addressBox), control(statusBar)},
               addresses.chat) {}

WindowDescription MainWindow::description() {
    auto d = describeMainWindow(addresses_);
    d.handlers.on(Event::Created, [this](EventArgs&) { onCreated(); })
        .on(Event::SizeChanged, [this](EventArgs&) { layoutMainWindow(framework_, state_); })
        .on(Event::WillBeDestroyed, [this](EventArgs&) { onDestroyed(); });

    controlNamed(d, homeButton).handlers.on(Event::Clicked, [this](EventArgs&) { goHome(framework_); });
    controlNamed(d, refreshButton).handlers.on(Event::Clicked, [this](EventArgs&) { browser_.refresh(); });
    controlNamed(d, serviceButton)
        .handlers.on(Event::Clicked, [this](EventArgs&) { browser_.openCustomerService(); });
    controlNamed(d, browser)
        .handlers.on(Event::DownloadComplete, [this](EventArgs&) { browser_.onDownloadComplete(); })
        .on(Event::StatusTextChange, [this](EventArgs&) { browser_.onStatusTextChange(); })
        .on(Event::NewWindow, [this](EventArgs& args) { browser_.onNewWindow(args); });
    return d;
}

void MainWindow::onCreated() {
    desktop_.trimMemory();
    framework_.setProperty(control(statsTimer), prop::Period, 2000);
    framework_.setProperty(control(addressBox), prop::Visible, 0);
    framework_.setProperty(control(addressLabel), prop::Visible, 0);
    framework_.setParentWindow(control(microblogLink), control(statusBar));
    dockStatusLink(framework_);
    framework_.setProperty(self(), prop::Visible, 1);
    // Let the window paint before the first page starts loading.
    framework_.processEvents();
    goHome(framework_);
}

void MainWindow::onDestroyed() {}

}  // namespace kameng
