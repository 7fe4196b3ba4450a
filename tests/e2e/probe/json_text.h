// Just enough JSON writing for the probe's reports.
#pragma once

#include <string>
#include <string_view>

namespace kameng::e2e {

class JsonText {
public:
    JsonText& beginObject() { return open('{'); }
    JsonText& endObject() { return close('}'); }
    JsonText& beginArray() { return open('['); }
    JsonText& endArray() { return close(']'); }
    // Starts a member of the current object; its value comes next.
    JsonText& key(std::string_view name);

    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text ? text : "")); }
    JsonText& value(long long n);
    JsonText& value(int n) { return value(static_cast<long long>(n)); }
    JsonText& value(bool b);

    template <typename T>
    JsonText& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    const std::string& text() const { return out_; }

private:
    JsonText& open(char c);
    JsonText& close(char c);
    void separate();

    std::string out_;
    bool needComma_ = false;
};

}  // namespace kameng::e2e
