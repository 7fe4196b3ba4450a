#include "app/program.h"

#include "app/main_window.h"
#include "platform/framework.h"

namespace kameng {

int runProgram(Framework& framework, DesktopServices& desktop, const SiteAddresses& addresses) {
    MainWindow mainWindow(framework, desktop, addresses);
    const bool built = framework.loadWindow(mainWindow.description());
    const int exitCode = framework.run();
    // A program whose window could not be built has failed, and says so.
    return built ? exitCode : 1;
}

}  // namespace kameng
