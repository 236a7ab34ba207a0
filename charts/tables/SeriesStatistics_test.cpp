// Each series' figures as the reader finds them, against a direct computation over the points.
#include "SeriesStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TableTestFiles.h"

namespace {

// The figures computed the plain way from the series' own points.
SeriesStatistics directStatistics(const SeriesData& series) {
    const std::vector<double> x = series.x();
    const std::vector<double> y = series.y();
    SeriesStatistics figures;
    for (std::size_t k = 0; k < y.size(); ++k) {
        if (std::isnan(y[k])) {
            ++figures.missing;
            continue;
        }
        if (figures.count == 0 || y[k] < figures.minimum) {
            figures.minimum = y[k];
            figures.minimumDate = x[k];
        }
        if (figures.count == 0 || y[k] > figures.maximum) {
            figures.maximum = y[k];
            figures.maximumDate = x[k];
        }
        figures.sum += y[k];
        ++figures.count;
    }
    if (figures.count > 0) figures.mean = figures.sum / static_cast<double>(figures.count);
    return figures;
}

void expectSameFigures(const SeriesStatistics& found, const SeriesStatistics& direct) {
    EXPECT_EQ(found.count, direct.count);
    EXPECT_EQ(found.missing, direct.missing);
    EXPECT_EQ(found.sum, direct.sum);
    // NaN where the series has no values, equal otherwise.
    const auto same = [](double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; };
    EXPECT_TRUE(same(found.mean, direct.mean)) << found.mean << " " << direct.mean;
    EXPECT_TRUE(same(found.minimum, direct.minimum));
    EXPECT_TRUE(same(found.minimumDate, direct.minimumDate));
    EXPECT_TRUE(same(found.maximum, direct.maximum));
    EXPECT_TRUE(same(found.maximumDate, direct.maximumDate));
}

}  // namespace

TEST(SeriesStatistics, FiguresWithMissingValuesAndTheirDates) {
    // Missing markers of both signs and near them; the extremes appear twice, the first counts.
    const FileContainer table = readTable(tableText("YY MM DD HH A Gone",
                                                    "01 1 1 0 2.5 -9999\n"
                                                    "01 1 1 1 -9999 9999\n"
                                                    "01 1 1 2 -1 -9999.005\n"
                                                    "01 1 1 3 7 9998.995\n"
                                                    "01 1 1 4 9999.004 -9999\n"
                                                    "01 1 1 5 -1 -9999\n"
                                                    "01 1 1 6 7 -9999\n"));
    const SeriesStatistics& a = table.series(0)->statistics;
    EXPECT_EQ(a.count, 5u);
    EXPECT_EQ(a.missing, 2u);
    EXPECT_DOUBLE_EQ(a.sum, 14.5);
    EXPECT_DOUBLE_EQ(a.mean, 2.9);
    EXPECT_EQ(a.minimum, -1.0);
    EXPECT_DOUBLE_EQ(a.minimumDate, 36892.0 + 2 * hour);
    EXPECT_EQ(a.maximum, 7.0);
    EXPECT_DOUBLE_EQ(a.maximumDate, 36892.0 + 3 * hour);
    expectSameFigures(a, directStatistics(*table.series(0)));
    // The extremes agree with the series' range.
    EXPECT_EQ(a.minimum, table.series(0)->valueMinimum);
    EXPECT_EQ(a.maximum, table.series(0)->valueMaximum);

    // Only missing values: no mean, no extremes, no dates; the sum of nothing is 0.
    const SeriesStatistics& gone = table.series(1)->statistics;
    EXPECT_EQ(gone.count, 0u);
    EXPECT_EQ(gone.missing, 7u);
    EXPECT_FALSE(gone.hasValues());
    EXPECT_EQ(gone.sum, 0.0);
    EXPECT_TRUE(std::isnan(gone.mean));
    EXPECT_TRUE(std::isnan(gone.minimum));
    EXPECT_TRUE(std::isnan(gone.maximumDate));
}

TEST(SeriesStatistics, ARowThatEndsEarlyCountsOnlyTheValuesItGave) {
    const FileContainer table =
        readTable(tableText("YY MM DD HH A B", "01 1 1 0 1 2\n01 1 1 1 3 4\n01 1 1 2 5 x\n"));
    EXPECT_EQ(table.series(0)->statistics.count, 3u);
    EXPECT_EQ(table.series(1)->statistics.count, 2u);
    EXPECT_EQ(table.series(1)->statistics.sum, 6.0);
    for (int c = 0; c < 2; ++c)
        expectSameFigures(table.series(c)->statistics, directStatistics(*table.series(c)));
}

TEST(SeriesStatistics, ALargeTableReadOnTwoCoresGivesTheDirectFigures) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    std::string rows;
    for (int r = 0; r < 6000; ++r) {
        rows += "2001 1 " + std::to_string(1 + r / 24) + " " + std::to_string(r % 24);
        for (int c = 0; c < 3; ++c) {
            // Every seventh value of column 1 is missing; column 2 holds only missing values.
            if (c == 2 || (c == 1 && r % 7 == 0))
                rows += " -9999";
            else
                rows += " " + std::to_string(value(random));
        }
        rows += "\n";
    }
    const std::string text = tableText("YYYY MM DD HH A B C", rows);
    const FileContainer table("t.txt", text, {}, 4096);
    for (int c = 0; c < 3; ++c)
        expectSameFigures(table.series(c)->statistics, directStatistics(*table.series(c)));
    EXPECT_EQ(table.series(1)->statistics.missing, 858u);
    EXPECT_EQ(table.series(2)->statistics.count, 0u);
}
