#include "browse/web_address.h"

#include <algorithm>

namespace kameng {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

bool isControlOrSpace(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool isWebAddress(std::string_view address) {
    if (std::any_of(address.begin(), address.end(), isControlOrSpace)) return false;

    const auto colon = address.find(':');
    if (colon == std::string_view::npos) return false;
    const auto scheme = address.substr(0, colon);
    if (!equalsIgnoringCase(scheme, "http") && !equalsIgnoringCase(scheme, "https")) return false;

    auto rest = address.substr(colon + 1);
    if (!rest.starts_with("//")) return false;
    rest.remove_prefix(2);

    auto authority = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);

    std::string_view host = authority;
    if (host.starts_with('[')) {  // IPv6 literal
        const auto close = host.find(']');
        if (close == std::string_view::npos || close == 1) return false;
        const auto after = host.substr(close + 1);
        if (!after.empty() && !(after.starts_with(':') && allDigits(after.substr(1)))) return false;
        return true;
    }
    if (const auto portColon = host.find(':'); portColon != std::string_view::npos) {
        if (!allDigits(host.substr(portColon + 1))) return false;
        host = host.substr(0, portColon);
    }
    return !host.empty();
}

}  // namespace kameng
