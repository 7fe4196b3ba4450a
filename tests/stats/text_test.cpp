#include "stats/text.h"

#include "hex_bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kameng::stats {
namespace {

using test::hex;

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

TEST(BytesToText, StopsAtTheFirstZeroByte)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"empty array", "", ""},
        {"no zero keeps every byte", hex("3C 70 3E BD F1 C8 D5 80 FF"), hex("3C 70 3E BD F1 C8 D5 80 FF")},
        {"zero in the middle", hex("31 32 00 33 49 50 2C"), "12"},
        {"zero first", hex("00 31 32"), ""},
        {"zero last", hex("31 32 00"), "12"},
        {"zero as a second byte", hex("31 B0 00 32"), hex("31 B0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bytesToText(bytesOf(c.bytes)), c.text);
    }
}

TEST(TextLeftRight, CountBytesAndClampToTheText)
{
    const std::string text = hex("61 B0 41 62");  // a, the character B0 41, b
    const struct {
        Position count;
        std::string left;
        std::string right;
    } cases[] = {
        {-5, "", ""},
        {0, "", ""},
        {1, "a", "b"},
        {2, hex("61 B0"), hex("41 62")},  // bytes, not characters: B0 41 is cut
        {4, text, text},
        {5, text, text},
        {Position{1} << 40, text, text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(textLeft(text, c.count), c.left);
        EXPECT_EQ(textRight(text, c.count), c.right);
    }
    EXPECT_EQ(textLeft("", 3), "");
    EXPECT_EQ(textRight("", 3), "");
}

TEST(TextLeftRight, SeeATextOnlyUpToAStrayZero)
{
    const std::string text("ab\0cd", 5);
    EXPECT_EQ(textLeft(text, 5), "ab");
    EXPECT_EQ(textRight(text, 1), "b");
}

}  // namespace
}  // namespace kameng::stats
