#include "JsonText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::string quoted(std::string_view text) {
    std::string out;
    appendJsonString(out, text);
    return out;
}

}  // namespace

TEST(JsonText, StringsEscapeQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(quoted("1\n2\r3\t4"), "\"1\\n2\\r3\\t4\"");
    EXPECT_EQ(quoted(std::string_view("\x01\x1f\x7f\0", 4)), "\"\\u0001\\u001f\\u007f\\u0000\"");
}

TEST(JsonText, Utf8IsKeptAndOtherBytesAreReadAsLatin1) {
    EXPECT_EQ(quoted("Gr\xc3\xbc\x6e \xe2\x82\xac \xf0\x9f\x8c\x8a"),
              "\"Gr\xc3\xbcn \xe2\x82\xac \xf0\x9f\x8c\x8a\"");
    // A lone Latin-1 byte, a cut sequence at the end, an overlong form and a surrogate.
    EXPECT_EQ(quoted("Gr\xfcn"), "\"Gr\xc3\xbcn\"");
    EXPECT_EQ(quoted("x\xe2\x82"), "\"x\xc3\xa2\xc2\x82\"");
    EXPECT_EQ(quoted("\xc0\xaf"), "\"\xc3\x80\xc2\xaf\"");
    EXPECT_EQ(quoted("\xed\xa0\x80"), "\"\xc3\xad\xc2\xa0\xc2\x80\"");
    std::string fromQt;
    appendJsonString(fromQt, QStringLiteral("Gr\u00fcn \"1\""));
    EXPECT_EQ(fromQt, "\"Gr\xc3\xbcn \\\"1\\\"\"");
}

TEST(JsonText, NumbersAreShortestAndNonFiniteIsNull) {
    std::string out;
    appendJsonKey(out, "  ", "n");
    appendJsonNumber(out, 0.1);
    out += ' ';
    appendJsonNumber(out, 1e16);
    out += ' ';
    appendJsonNumber(out, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(out, "  \"n\": 0.1 1e+16 null");
}
