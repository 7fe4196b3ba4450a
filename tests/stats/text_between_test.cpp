#include "stats/text_between.h"

#include "hex_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace kameng::stats {
namespace {

using test::hex;
using test::kEndMarker;
using test::kTodayMarker;
using test::kYesterdayMarker;

// Markers are in and out, so every call gets fresh copies.
Text between(std::string_view source, Text opening, Text closing, Position start = 0,
             Case letterCase = Case::IgnoreAscii)
{
    return textBetween(source, opening, closing, start, letterCase);
}

std::string lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

TEST(TextBetween, CutsTheCountersOutOfAStatisticsPage)
{
    const std::string page = "<html><body><div>" + kTodayMarker + "123 IP, 456 PV</p><p>" +
                             kYesterdayMarker + "789 IP, 1011 PV</p></body></html>";
    const std::string ten = hex("CA AE");  // 十

    const struct {
        const char* name;
        std::string source;
        std::string opening;
        std::string closing;
        std::string expected;
    } cases[] = {
        {"today", page, kTodayMarker, kEndMarker, "123 "},
        {"yesterday, found without <p>", page, kYesterdayMarker, kEndMarker, "789 "},
        {"today needs its <p>", kTodayMarker.substr(3) + "5 IP,", kTodayMarker, kEndMarker, ""},
        {"capital P in the marker", page, "<P>" + kTodayMarker.substr(3), kEndMarker, "123 "},
        {"end marker in small letters", page, kTodayMarker, "ip,", "123 "},
        {"page in other letters", lower(page), kTodayMarker, kEndMarker, "123 "},
        {"no end marker after the start", "IP, " + kTodayMarker + "123", kTodayMarker, kEndMarker, ""},
        {"no start marker", "123 IP,", kTodayMarker, kEndMarker, ""},
        {"end marker right after the start", kTodayMarker + "IP,", kTodayMarker, kEndMarker, ""},
        {"start marker ends at the last byte", "x" + kTodayMarker, kTodayMarker, kEndMarker, ""},
        {"empty page", "", kTodayMarker, kEndMarker, ""},
        {"double-byte characters kept whole", kTodayMarker + ten + " IP,", kTodayMarker, kEndMarker,
         ten + " "},
        {"zero byte ends the page", kTodayMarker + std::string("12\0 IP,", 7), kTodayMarker, kEndMarker,
         ""},
        {"marker after a zero byte", std::string("x\0", 2) + kTodayMarker + "1 IP,", kTodayMarker,
         kEndMarker, ""},
        {"empty start marker", "abc IP, def IP,", "", kEndMarker, "abc "},
        {"empty end marker", page, kTodayMarker, "", ""},
        {"both empty", page, "", "", ""},
        // In the page B0 5D is one character, but the end search counts its
        // boundaries from the byte after the start marker, so 5D is one.
        {"end marker on a boundary of the rest", "[" + hex("B0") + "]AB]", "[" + hex("B0"), "]", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(between(c.source, c.opening, c.closing), c.expected);
    }
}

TEST(TextBetween, CaseSensitiveSearchComparesBytesAsTheyAre)
{
    const std::string page = kTodayMarker + "123 IP,";
    EXPECT_EQ(between(page, kTodayMarker, "ip,", 0, Case::Exact), "");
    EXPECT_EQ(between(page, "<P>", "IP,", 0, Case::Exact), "");
    EXPECT_EQ(between(page, kTodayMarker, "IP,", 0, Case::Exact), "123 ");
}

TEST(TextBetween, StartPositionSkipsEarlierStartMarkers)
{
    const std::string page = "<b>1</b>-<b>2</b>---<b>3</b>";
    const struct {
        Position start;
        std::string expected;
    } cases[] = {
        {0, "1"}, {1, "1"}, {2, "2"}, {10, "2"}, {11, "3"}, {26, ""}, {100, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(between(page, "<b>", "</b>", c.start), c.expected);
    }
    // The end marker is the first one after the start marker, however far
    // into the page the search began.
    EXPECT_EQ(between(page, "-<b>", "</b>", 9), "2");
    // An empty start marker matches where the search begins.
    EXPECT_EQ(between(page, "", "</b>", 13), "2");
}

TEST(TextBetween, QuotePlaceholderStandsForADoubleQuoteAndIsStoredBack)
{
    Text opening = hex("69 64 3D 23 D2 FD BA C5 6E 23 D2 FD BA C5 3E");  // id=#引号n#引号>
    Text closing = hex("3C 2F 23 D2 FD BA C5");                          // </#引号
    const std::string page = "<a id=n>x</\"> <a id=\"n\">42</\">";

    EXPECT_EQ(textBetween(page, opening, closing), "42");
    EXPECT_EQ(opening, hex("69 64 3D 22 6E 22 3E"));
    EXPECT_EQ(closing, "</\"");

    // Already rewritten markers search the same way and stay as they are.
    EXPECT_EQ(textBetween(page, opening, closing), "42");
    EXPECT_EQ(opening, hex("69 64 3D 22 6E 22 3E"));
}

TEST(TextBetween, MarkersWithoutAPlaceholderAtABoundaryStayAsTheyAre)
{
    const struct {
        const char* name;
        std::string marker;
        std::string after;
    } cases[] = {
        {"no placeholder", kTodayMarker, kTodayMarker},
        {"placeholder only", hex("23 D2 FD BA C5"), "\""},
        {"adjacent placeholders", hex("23 D2 FD BA C5 23 D2 FD BA C5"), "\"\""},
        // B0 23 is one character, so the 23 there begins no placeholder.
        {"inside a character", hex("B0 23 D2 FD BA C5"), hex("B0 23 D2 FD BA C5")},
        {"cut short", hex("23 D2 FD BA"), hex("23 D2 FD BA")},
        {"lead byte at the end", hex("23 D2 FD BA C5 B0"), hex("22 B0")},
        {"other quotes kept", hex("22 23 D2 FD BA C5 27"), hex("22 22 27")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Text marker = c.marker;
        EXPECT_EQ(replaceQuotePlaceholders(marker), c.marker != c.after);
        EXPECT_EQ(marker, c.after);
    }
}

}  // namespace
}  // namespace kameng::stats
