// What the program asks of a Linux desktop beyond windows and controls.
#pragma once

#include "platform/desktop_services.h"

namespace kameng::gtk {

class GtkDesktopServices final : public DesktopServices {
public:
    // Through GIO's default handler for the address's scheme.
    bool openInDefaultBrowser(std::string_view address) override;
    // malloc_trim(0): the nearest thing to trimming a working set.
    void trimMemory() override;
};

}  // namespace kameng::gtk
