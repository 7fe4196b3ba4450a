// The program's entry, written once for every desktop: main() builds the
// back end and hands it over.
#pragma once

#include "app/site_addresses.h"

namespace kameng {

class Framework;
class DesktopServices;

// Start-up, the event loop and shutdown. Returns the process's exit code.
int runProgram(Framework& framework, DesktopServices& desktop, const SiteAddresses& addresses);

}  // namespace kameng
