#include "NodataToWrite.h"

#include <gtest/gtest.h>

#include "CommaDecimalLocale.h"

TEST(NodataToWrite, OnlyAWholeFiniteNumberIsANodataValue) {
    EXPECT_EQ(NodataToWrite(QStringLiteral("-9999")), -9999);
    EXPECT_EQ(NodataToWrite(QStringLiteral("  -1.5e3\t")), -1500);
    EXPECT_EQ(NodataToWrite(QStringLiteral("+0")), 0);
    for (const char* text :
         {"-99992:2:202;", "-1 m", "", "   ", "nan", "-inf", "1e999", "0x10", "1,5,5", "- 1"})
        EXPECT_EQ(NodataToWrite(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(NodataToWrite, TheUsersDecimalSeparatorIsTakenToo) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    EXPECT_EQ(NodataToWrite(QStringLiteral("-2,5")), -2.5);
    EXPECT_EQ(NodataToWrite(QStringLiteral("-2.5")), -2.5);
}

TEST(NodataToWrite, TheRefusalNamesTheText) {
    const QString refusal = NodataRefusal(QStringLiteral("-99992:2:202;"));
    EXPECT_TRUE(refusal.contains(QStringLiteral("\"-99992:2:202;\""))) << qPrintable(refusal);
    EXPECT_TRUE(refusal.contains(QStringLiteral("nothing has been written")));
}
