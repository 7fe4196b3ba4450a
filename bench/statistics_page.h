// A statistics page as the counters are read from: HTML in code page 936,
// a table of hourly figures with Chinese headings, and the summary with the
// today and yesterday markers.
#pragma once

#include <cstddef>
#include <string>

namespace kameng::bench {

// "<p>今日访问量:" and "昨日访问量:" in code page 936.
inline const std::string kTodayMarker = "<p>\xBD\xF1\xC8\xD5\xB7\xC3\xCE\xCA\xC1\xBF:";
inline const std::string kYesterdayMarker = "\xD7\xF2\xC8\xD5\xB7\xC3\xCE\xCA\xC1\xBF:";

// A page of about `size` bytes whose summary begins about `summaryAt` bytes
// in (clamped to the page).
std::string statisticsPage(std::size_t size, std::size_t summaryAt);

}  // namespace kameng::bench
