#include "stats/find_text.h"

#include "hex_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace kameng::stats {
namespace {

using test::hex;

struct FindCase {
    const char* name;
    std::string text;
    std::string needle;
    Position start;
    Case letterCase;
    Position expected;
};

void expectAll(std::initializer_list<FindCase> cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.letterCase), c.expected);
    }
}

constexpr Case kExact = Case::Exact;
constexpr Case kIgnore = Case::IgnoreAscii;

TEST(FindText, MatchesOnlyAtCharacterBoundaries)
{
    expectAll({
        {"Ab inside a, B0 41, b", hex("61 B0 41 62"), "Ab", 0, kExact, -1},
        {"Ab ignoring case", hex("61 B0 41 62"), "ab", 0, kIgnore, -1},
        {"b after the character", hex("61 B0 41 62"), "b", 0, kExact, 4},
        {"whole character", hex("61 B0 41 62"), hex("B0 41"), 0, kExact, 2},
        {"second byte alone", hex("B0 41"), "A", 0, kExact, -1},
        {"lead byte alone", hex("61 B0 41"), hex("B0"), 0, kExact, 2},
        {"after a run of characters", hex("C8 D5 B7 C3 41"), "A", 0, kExact, 5},
        {"misaligned run", hex("C8 D5 B7 C3"), hex("D5 B7"), 0, kExact, -1},
        {"first of several", "xIP,IP,", "IP,", 0, kExact, 2},
        {"needle equals text", "IP,", "IP,", 0, kExact, 1},
        {"needle longer than text", "IP", "IP,", 0, kExact, -1},
        {"empty text", "", "a", 0, kExact, -1},
    });
}

TEST(FindText, StartPositionSetsWhereTheScanAndItsBoundariesBegin)
{
    expectAll({
        {"0 is the first byte", "abcabc", "abc", 0, kExact, 1},
        {"1 is the first byte", "abcabc", "abc", 1, kExact, 1},
        {"negative is the first byte", "abcabc", "abc", -7, kExact, 1},
        {"position counts from the whole text", "abcabc", "abc", 2, kExact, 4},
        {"match right at the start", "abcabc", "abc", 4, kExact, 4},
        {"last byte", "abc", "c", 3, kExact, 3},
        {"past the end", "abc", "c", 4, kExact, -1},
        {"far past the end", "abc", "c", Position{1} << 40, kExact, -1},
        // Starting on the second byte makes it a boundary of its own.
        {"start on a second byte", hex("B0 41 62"), "Ab", 2, kExact, 2},
        {"start on a second byte, folded", hex("B0 41 62"), "ab", 2, kIgnore, 2},
    });
}

TEST(FindText, EmptyNeedleIsFoundWhereTheScanBegins)
{
    expectAll({
        {"from the first byte", "abc", "", 0, kExact, 1},
        {"from further on", "abc", "", 3, kExact, 3},
        {"past the end", "abc", "", 4, kExact, -1},
        {"empty text", "", "", 0, kExact, -1},
    });
}

TEST(FindText, IgnoringCaseFoldsOnlyAsciiCapitalsInEveryByte)
{
    expectAll({
        {"small needle, capital text", "xIP,", "ip,", 0, kIgnore, 2},
        {"capital needle, small text", "xip,", "IP,", 0, kIgnore, 2},
        {"mixed", "<P>", "<p>", 0, kIgnore, 1},
        {"exact tells them apart", "xIP,", "ip,", 0, kExact, -1},
        {"A and Z are the bounds", "az", "AZ", 0, kIgnore, 1},
        {"@ and ` stay apart", "`", "@", 0, kIgnore, -1},
        {"[ and { stay apart", "{", "[", 0, kIgnore, -1},
        {"Latin-1 capitals stay apart", hex("E1"), hex("C1"), 0, kIgnore, -1},
        // Folding reaches second bytes too: B0 41 and B0 61 are different
        // characters, yet they match when case is ignored.
        {"second byte folded", hex("B0 41"), hex("B0 61"), 0, kIgnore, 1},
        {"second byte exact", hex("B0 41"), hex("B0 61"), 0, kExact, -1},
    });
}

TEST(FindText, TextEndsAtItsFirstZeroByte)
{
    const std::string text("ab\0cd", 5);
    EXPECT_EQ(findText(text, "cd", 0, kExact), -1);
    EXPECT_EQ(findText(text, "", 3, kExact), -1);
    EXPECT_EQ(findText("abcd", std::string("c\0x", 3), 0, kExact), 3);
}

// A lead byte as the last byte has no second byte: the scan must end there
// and never read past the text. The buffer has no terminator after it, so a
// read beyond shows up under AddressSanitizer.
TEST(FindText, LeadByteAtTheVeryEndEndsTheSearch)
{
    const std::string bytes = hex("61 62 B0");
    auto buffer = std::make_unique<char[]>(bytes.size());
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    const std::string_view text(buffer.get(), bytes.size());

    const struct {
        const char* name;
        std::string needle;
        Position start;
        Position expected;
    } cases[] = {
        {"missing byte", "z", 0, -1},
        {"missing pair", "zz", 0, -1},
        {"lead byte itself", hex("B0"), 0, 3},
        {"character it would begin", hex("B0 41"), 0, -1},
        {"scan starting on it", "z", 3, -1},
        {"ending with it", hex("62 B0"), 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findText(text, c.needle, c.start, kExact), c.expected);
        EXPECT_EQ(findText(text, c.needle, c.start, kIgnore), c.expected);
    }
}

}  // namespace
}  // namespace kameng::stats
