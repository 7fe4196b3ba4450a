// Builds the control of a description's kind.
#pragma once

#include "platform/gtk/control.h"

#include <memory>

namespace kameng::gtk {

std::unique_ptr<Control> makeControl(ControlHost& host, const ControlDescription& description,
                                     NativeHandle handle);

}  // namespace kameng::gtk
