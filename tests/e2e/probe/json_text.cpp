#include "json_text.h"

#include <cstdio>

namespace kameng::e2e {

void JsonText::separate() {
    if (needComma_) out_ += ',';
    needComma_ = false;
}

JsonText& JsonText::open(char c) {
    separate();
    out_ += c;
    return *this;
}

JsonText& JsonText::close(char c) {
    out_ += c;
    needComma_ = true;
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    value(name);
    out_ += ':';
    needComma_ = false;
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    out_ += '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ += escaped;
            } else {
                out_ += ch;
            }
        }
    }
    out_ += '"';
    needComma_ = true;
    return *this;
}

JsonText& JsonText::value(long long n) {
    separate();
    out_ += std::to_string(n);
    needComma_ = true;
    return *this;
}

JsonText& JsonText::value(bool b) {
    separate();
    out_ += b ? "true" : "false";
    needComma_ = true;
    return *this;
}

}  // namespace kameng::e2e
