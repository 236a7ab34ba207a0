#include "GridText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace {

std::string printf_form(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.8g", value);
    return buffer;
}

TEST(GridText, NumbersMatchPrintfPercentPoint8g) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -9999.0,
                                  100.0,
                                  99999999.0,
                                  99999999.5,
                                  100000000.0,
                                  1e8 + 1,
                                  0.0001,
                                  0.00009999,
                                  1.2345678949,
                                  1.2345678951,
                                  123456785,
                                  5e-324,
                                  1e308,
                                  -1.5e-300,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-320.0, 308.0), mantissa(-10.0, 10.0);
    for (int i = 0; i < 200000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * 1e4);
    for (const double value : values) {
        std::string text;
        kelvra::append_number(text, value);
        ASSERT_EQ(text, printf_form(value));
    }
    std::string text;
    kelvra::append_number(text, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(text, "nan");
}

}  // namespace
