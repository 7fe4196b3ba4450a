// The test build's program entry: main.cpp of the desktop back end is
// compiled with runProgram renamed to runObservedProgram, which runs the
// program as shipped with the probe attached.
#include "app/program.h"
#include "program_probe.h"

#include <glib.h>

#include <optional>

namespace kameng {

int runObservedProgram(Framework& framework, DesktopServices& desktop, const SiteAddresses& addresses) {
    std::optional<e2e::ProgramProbe> probe;
    if (const char* folder = g_getenv("KAMENG_PROBE_DIR"); folder && *folder)
        probe.emplace(framework, folder);
    return runProgram(framework, desktop, addresses);
}

}  // namespace kameng
