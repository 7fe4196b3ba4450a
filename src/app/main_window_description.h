#pragma once

#include "app/site_addresses.h"
#include "platform/description.h"

#include <string_view>

namespace kameng {

// MainWindow's settings and its controls front to back, without handlers.
WindowDescription describeMainWindow(const SiteAddresses& addresses);

// The control of that name in a description; a missing name is a
// programming error (std::logic_error).
ControlDescription& controlNamed(WindowDescription& description, std::string_view name);

}  // namespace kameng
