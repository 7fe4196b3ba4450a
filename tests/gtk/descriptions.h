// Short ways to write the descriptions the tests load.
#pragma once

#include "platform/description.h"

#include <string>

namespace kameng::gtk::testing {

ControlDescription controlOf(Kind kind, std::string name, Rect rect, std::string text = {});
WindowDescription windowOf(std::string name, Rect rect, int border);

}  // namespace kameng::gtk::testing
