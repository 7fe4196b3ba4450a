// The program on a Linux desktop.
#include "app/program.h"
#include "app/site_addresses_config.h"
#include "platform/gtk/gtk_desktop_services.h"
#include "platform/gtk/gtk_framework.h"

#include <cstdio>

int main() {
    if (!kameng::gtk::GtkFramework::initialiseToolkit()) {
        std::fputs("kameng: cannot open the display\n", stderr);
        return 1;
    }
    kameng::gtk::GtkFramework framework;
    kameng::gtk::GtkDesktopServices desktop;
    return kameng::runProgram(framework, desktop, kameng::builtInSiteAddresses());
}
