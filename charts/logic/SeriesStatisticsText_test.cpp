// The series list's tooltip of a series' figures.
#include "SeriesStatisticsText.h"

#include <gtest/gtest.h>

#include "CommaDecimalLocale.h"
#include "TableTestFiles.h"

TEST(SeriesStatisticsText, FiguresWithDatesAndDashesForASeriesWithoutValues) {
    CommaDecimalLocale german;
    const FileContainer table =
        readTable(tableText("YYYY MM DD HH A Gone",
                            "2001 1 31 0 2.5 -9999\n2001 1 31 1 -9999 9999\n"
                            "2001 1 31 2 -0.125 -9999\n2001 1 31 24 1e7 -9999\n"));
    EXPECT_EQ(seriesStatisticsText(table.series(0)->statistics),
              QStringLiteral("Count: 3\nMissing: 1\nMean: 3333334.125\nSum: 10000002.38\n"
                             "Minimum: -0.125 at 2001-01-31 02:00:00\n"
                             "Maximum: 10000000 at 2001-01-31 03:00:00"));
    EXPECT_EQ(seriesStatisticsText(table.series(1)->statistics),
              QStringLiteral("Count: 0\nMissing: 4\nMean: \u2013\nSum: 0\nMinimum: \u2013\n"
                             "Maximum: \u2013"));
}
