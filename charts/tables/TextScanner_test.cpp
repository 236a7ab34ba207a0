#include "TextScanner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>

namespace {

double fromChars(const std::string& text) {
    double value = 0.0;
    const char* first = text.c_str() + (text[0] == '+' ? 1 : 0);
    std::from_chars(first, text.c_str() + text.size(), value);
    return value;
}

}  // namespace

TEST(TextScanner, DecimalsReadBitForBitAsFromChars) {
    std::mt19937_64 random(5);
    const char* signs[] = {"", "-", "+"};
    for (int i = 0; i < 200000; ++i) {
        std::string text = signs[random() % 3];
        const int whole = static_cast<int>(random() % 12);
        const int decimals = static_cast<int>(random() % 20);
        for (int d = 0; d < whole; ++d) text += static_cast<char>('0' + random() % 10);
        if (decimals > 0 || whole == 0) text += '.';
        for (int d = 0; d < decimals; ++d) text += static_cast<char>('0' + random() % 10);
        if (text.find_first_of("0123456789") == std::string::npos) text += '7';
        const std::string field = text + " ";
        TextScanner scan(field);
        double value = 0.0;
        ASSERT_TRUE(scan.readDouble(value)) << text;
        const double expected = fromChars(text);
        ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << text;
        ASSERT_EQ(scan.position(), text.size()) << text;
    }
}

TEST(TextScanner, NumbersStopWhereTheyCannotContinue) {
    TextScanner scan(" 1.5e3x\t-0.25,7 1e 12.\n.5 -.5 1e999 inf");
    double value = 0.0;
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, 1500.0);
    EXPECT_FALSE(scan.readDouble(value));  // at "x"
    scan.setPosition(scan.position() + 1);
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, -0.25);
    scan.setPosition(scan.position() + 1);  // past ","
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, 7.0);
    ASSERT_TRUE(scan.readDouble(value));  // "1e" reads as 1, then "e" is left
    EXPECT_EQ(value, 1.0);
    scan.setPosition(scan.position() + 1);
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, 12.0);
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, 0.5);
    ASSERT_TRUE(scan.readDouble(value));
    EXPECT_EQ(value, -0.5);
    EXPECT_FALSE(scan.readDouble(value));  // out of range
    scan.setPosition(scan.position() + 5);
    EXPECT_FALSE(scan.readDouble(value));  // "inf"
    int whole = 0;
    TextScanner ints("+12 -3 +-4 2147483648");
    ASSERT_TRUE(ints.readInt(whole));
    EXPECT_EQ(whole, 12);
    ASSERT_TRUE(ints.readInt(whole));
    EXPECT_EQ(whole, -3);
    EXPECT_FALSE(ints.readInt(whole));
    ints.setPosition(ints.position() + 4);
    EXPECT_FALSE(ints.readInt(whole));
}
