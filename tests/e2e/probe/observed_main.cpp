// The test build's entry: the program as shipped, with the probe that the
// end-to-end tests read it through attached when KAMENG_PROBE_DIR names a
// folder.
#include "app/program.h"
#include "app/site_addresses_config.h"
#include "platform/gtk/gtk_desktop_services.h"
#include "platform/gtk/gtk_framework.h"
#include "program_probe.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

int main() {
    if (!kameng::gtk::GtkFramework::initialiseToolkit()) {
        std::fputs("kameng: cannot open the display\n", stderr);
        return 1;
    }
    kameng::gtk::GtkFramework framework;
    kameng::gtk::GtkDesktopServices desktop;
    std::optional<kameng::e2e::ProgramProbe> probe;
    if (const char* folder = std::getenv("KAMENG_PROBE_DIR"); folder && *folder)
        probe.emplace(framework, folder);
    return kameng::runProgram(framework, desktop, kameng::builtInSiteAddresses());
}
