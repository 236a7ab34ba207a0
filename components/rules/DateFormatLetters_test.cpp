#include "DateFormatLetters.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

namespace {
QString shown(const QString& toolkitFormat) {
    const QDateTime moment(QDate(2003, 7, 4), QTime(9, 5));  // a Friday
    return QLocale::c().toString(moment, qtDateTimeFormat(toolkitFormat));
}
}  // namespace

TEST(DateFormatLetters, TheFormatsOfTheChartsDrawAsIntended) {
    EXPECT_EQ(shown("yy"), "03");
    EXPECT_EQ(shown("yyyy"), "2003");
    EXPECT_EQ(shown("dd.mm.yyyy"), "04.07.2003");
    EXPECT_EQ(shown("ddd, dd.mm.yyyy"), "Fri, 04.07.2003");
    EXPECT_EQ(shown("ddd, dd.mm.yy hh:nn"), "Fri, 04.07.03 09:05");
    EXPECT_EQ(shown("dd.mm.yyyy hh:nn"), "04.07.2003 09:05");
}

TEST(DateFormatLetters, MinutesAfterAnHourAndLiteralText) {
    EXPECT_EQ(shown("hh:mm"), "09:05");
    EXPECT_EQ(shown("dd.mm.yyyy hh.mm"), "04.07.2003 09.05");
    EXPECT_EQ(shown("mm/dd"), "07/04");
    EXPECT_EQ(shown("\"week of\" dd"), "week of 04");
    EXPECT_EQ(shown("'It''s' yy"), "Its 03");  // two quoted pieces, no quote mark
    EXPECT_EQ(shown("dd x"), "04 x");
    EXPECT_EQ(shown("HH:NN"), "09:05");
}
