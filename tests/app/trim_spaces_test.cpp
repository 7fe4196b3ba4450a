#include "app/trim_spaces.h"

#include <gtest/gtest.h>

namespace kameng {
namespace {

struct TrimCase {
    const char* text;
    const char* trimmed;
};

class TrimSpaces : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(trimSpaces(GetParam().text), GetParam().trimmed);
}

// "　" is the full-width space U+3000.
INSTANTIATE_TEST_SUITE_P(
    Cases, TrimSpaces,
    testing::Values(TrimCase{"http://shop/Register.aspx", "http://shop/Register.aspx"},
                    TrimCase{"  http://shop/  ", "http://shop/"},
                    TrimCase{"　http://shop/　", "http://shop/"},
                    TrimCase{" 　 http://shop/　  　", "http://shop/"},
                    TrimCase{"http://a b/", "http://a b/"},
                    TrimCase{"a　b", "a　b"},
                    TrimCase{"\thttp://shop/\r\n", "\thttp://shop/\r\n"},
                    TrimCase{" \thttp://shop/\n ", "\thttp://shop/\n"},
                    TrimCase{"   ", ""},
                    TrimCase{"　 　", ""},
                    TrimCase{"", ""},
                    // Other characters that merely share bytes with U+3000 stay.
                    TrimCase{"\xE3\x80\x81", "\xE3\x80\x81"},
                    TrimCase{"网址　", "网址"}));

}  // namespace
}  // namespace kameng
