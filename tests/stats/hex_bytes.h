// Test data written the way the bytes are listed in hex dumps: "61 B0 41 62".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kameng::stats::test {

inline std::string hex(std::string_view spaced)
{
    std::string bytes;
    std::size_t at = 0;
    while (at < spaced.size()) {
        if (spaced[at] == ' ') {
            ++at;
            continue;
        }
        if (at + 2 > spaced.size())
            throw std::invalid_argument("odd hex digit count");
        bytes += static_cast<char>(std::stoi(std::string(spaced.substr(at, 2)), nullptr, 16));
        at += 2;
    }
    return bytes;
}

// The statistics page's markers, code page 936.
inline const std::string kTodayMarker = hex("3C 70 3E BD F1 C8 D5 B7 C3 CE CA C1 BF 3A");  // <p>今日访问量:
inline const std::string kYesterdayMarker = hex("D7 F2 C8 D5 B7 C3 CE CA C1 BF 3A");       // 昨日访问量:
inline const std::string kEndMarker = "IP,";

}  // namespace kameng::stats::test
