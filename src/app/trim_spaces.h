#pragma once

#include <string>
#include <string_view>

namespace kameng {

// Removes ASCII spaces and full-width spaces (U+3000) at both ends of a
// UTF-8 text. Tabs, line breaks and every other character stay.
std::string trimSpaces(std::string_view text);

}  // namespace kameng
