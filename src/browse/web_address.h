#pragma once

#include <string_view>

namespace kameng {

// True for an absolute http or https address with a host: the only
// addresses the program loads on a page's behalf. Scripts (javascript:,
// vbscript:), local files, data: and malformed texts are refused.
bool isWebAddress(std::string_view address);

}  // namespace kameng
