// What the program asks of the desktop beyond windows and controls.
#pragma once

#include <string_view>

namespace kameng {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // Hands an address to the user's default web browser. False when no
    // program took it.
    virtual bool openInDefaultBrowser(std::string_view address) = 0;
    // Gives memory the process no longer uses back to the system.
    virtual void trimMemory() = 0;
};

}  // namespace kameng
