#include "statistics_page.h"

namespace kameng::bench {
namespace {

// 日期 小时 访问量 独立访客 浏览量 来源
const std::string kHeader =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
    "<title>\xCD\xB3\xBC\xC6\xB1\xA8\xB1\xED</title><style>td{padding:2px 6px}</style></head>"
    "<body><h1>\xCD\xF8\xD5\xBE\xB8\xC5\xBF\xF6</h1><table class=\"report\"><tr>"
    "<th>\xC8\xD5\xC6\xDA</th><th>\xD0\xA1\xCA\xB1</th><th>\xB7\xC3\xCE\xCA\xC1\xBF</th>"
    "<th>\xB6\xC0\xC1\xA2\xB7\xC3\xBF\xCD</th><th>\xE4\xAF\xC0\xC0\xC1\xBF</th>"
    "<th>\xC0\xB4\xD4\xB4</th></tr>\n";

// One row per hour; the source column alternates between 百度 and 搜索引擎.
std::string row(std::size_t n)
{
    const std::string source = n % 2 ? "\xB0\xD9\xB6\xC8" : "\xCB\xD1\xCB\xF7\xD2\xFD\xC7\xE6";
    return "<tr><td>2012-05-" + std::to_string(1 + n / 24 % 28) + "</td><td>" + std::to_string(n % 24) +
           "</td><td>" + std::to_string(n * 37 % 1000) + "</td><td>" + std::to_string(n * 13 % 500) +
           "</td><td>" + std::to_string(n * 91 % 3000) + "</td><td><a href=\"/s?ref=" +
           std::to_string(n) + "\">" + source + "</a></td></tr>\n";
}

std::string summary()
{
    // 今日访问量 / 昨日访问量 / 人均浏览页数
    return "</table><div class=\"sum\">" + kTodayMarker + "1234 IP, 5678 PV</p><p>" + kYesterdayMarker +
           "987 IP, 4321 PV</p><p>\xC8\xCB\xBE\xF9\xE4\xAF\xC0\xC0\xD2\xB3\xCA\xFD: 4.4</p></div>"
           "<table class=\"report\">\n";
}

}  // namespace

std::string statisticsPage(std::size_t size, std::size_t summaryAt)
{
    std::string page = kHeader;
    const std::string footer = "</table></body></html>\n";
    bool summaryDone = false;
    for (std::size_t n = 0; page.size() + footer.size() < size; ++n) {
        if (!summaryDone && page.size() >= summaryAt) {
            page += summary();
            summaryDone = true;
        }
        page += row(n);
    }
    if (!summaryDone)
        page += summary();
    return page + footer;
}

}  // namespace kameng::bench
