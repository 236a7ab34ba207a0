#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "CommaDecimalLocale.h"
#include "TableFormatError.h"
#include "TableTestFiles.h"
#include "TestFolder.h"

namespace {

const double jan1st2001 = 36892.0;

std::vector<std::string> titles(const FileContainer& table) {
    std::vector<std::string> result;
    for (int i = 0; i < table.seriesCount(); ++i) result.push_back(table.series(i)->baseTitle);
    return result;
}

void expectRefused(const std::string& text) {
    try {
        readTable(text);
        ADD_FAILURE() << "accepted:\n" << text.substr(0, 200);
    } catch (const TableFormatError& error) {
        EXPECT_STREQ(error.what(), "Error: The input file cannot\n be parsed correctly.");
    }
}

}  // namespace

TEST(MinuteColumn, OneBlankOrTabBetweenHoursAndMinutesAnnouncesIt) {
    for (const char* dateHeader : {"YY MM DD HH mm Q", "YY MM DD HH\tmm Q"}) {
        const FileContainer table = readTable(std::string("Run 7\n") + dateHeader +
                                              "\nQ_day\n01 1 1 6 30 1.5\n01 1 1 7 30 2.5\n");
        EXPECT_TRUE(table.minuteColumn()) << dateHeader;
        ASSERT_EQ(table.seriesCount(), 1);
        EXPECT_EQ(table.series(0)->baseTitle, "Q_day: Q");
        EXPECT_DOUBLE_EQ(table.start(), jan1st2001 + 6.5 * hour);
        EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1.5, 2.5}));
    }
}

TEST(MinuteColumn, TwoBlanksMakeMinutesTheFirstValueColumn) {
    const FileContainer table =
        readTable("Run 7\nYY MM DD HH  mm Q\nQ_day\n01 1 1 6 30 1.5\n01 1 1 7 30 2.5\n");
    EXPECT_FALSE(table.minuteColumn());
    EXPECT_EQ(titles(table), (std::vector<std::string>{"Q_day: mm", "Q_day: Q"}));
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{30, 30}));
    EXPECT_EQ(table.series(1)->y(), (std::vector<double>{1.5, 2.5}));
}

TEST(MinuteColumn, TheLastDateHeaderLineDecides) {
    const FileContainer table =
        readTable("Dates: YY MM DD HH mm\nYY MM DD HH Q\nQ_day\n01 1 1 6 1.5\n01 1 1 7 2.5\n");
    EXPECT_FALSE(table.minuteColumn());
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1.5, 2.5}));
}

TEST(FirstRow, TwoDigitYearRule) {
    const std::vector<std::pair<int, int>> years = {
        {49, 2049}, {50, 1950}, {99, 1999}, {100, 100}, {2003, 2003}};
    for (const auto& [written, meant] : years) {
        const std::string y = std::to_string(written);
        const FileContainer table =
            readTable(tableText("YY MM DD HH Q", y + " 3 1 0 1\n" + y + " 3 1 1 2\n"));
        EXPECT_EQ(table.firstRowDate().year, meant) << written;
        EXPECT_EQ(table.start(), *encodeTableDate(meant, 3, 1)) << written;
    }
}

TEST(FirstRow, HourTwentyFourStartsAtTheLastSecondOfTheDay) {
    const FileContainer table =
        readTable(tableText("YY MM DD HH Q", "2001 1 1 24 1\n2001 1 2 1 2\n2001 1 2 2 3\n"));
    EXPECT_EQ(table.firstRowDate().hour, 24);
    EXPECT_DOUBLE_EQ(table.start(), jan1st2001 + 86399.0 / 86400.0);
    // The step runs from 23:59:59 to 01:00 of the next day.
    EXPECT_NEAR(table.timeStep(), 3601.0 / 86400.0, 1e-12);
}

TEST(TimeStep, RowsSharingTheFirstTimeAreSpreadEvenly) {
    const FileContainer table =
        readTable(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 1 1 0 2\n01 1 1 1 3\n"));
    EXPECT_DOUBLE_EQ(table.timeStep(), hour / 2);
    const std::vector<double>& x = table.series(0)->x();
    ASSERT_EQ(x.size(), 3u);
    EXPECT_DOUBLE_EQ(x[1], jan1st2001 + hour / 2);
    EXPECT_DOUBLE_EQ(x[2], jan1st2001 + hour);
}

TEST(TimeStep, LaterDatesNeverMovePointsAndImpossibleOnesKeepThePreviousTime) {
    // The second row's date cannot be encoded: it counts as a row at the first time.
    const FileContainer table =
        readTable(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 13 1 0 2\n01 1 1 4 3\n99 7 7 7 4\n"));
    EXPECT_DOUBLE_EQ(table.timeStep(), 2 * hour);
    EXPECT_EQ(table.series(0)->x(),
              (std::vector<double>{jan1st2001, jan1st2001 + 2 * hour, jan1st2001 + 4 * hour,
                                   jan1st2001 + 6 * hour}));
}

TEST(TimeStep, EndIsOneStepAfterTheLastRow) {
    std::string rows;
    for (int h = 0; h < 10; ++h) rows += "2001 1 1 " + std::to_string(h) + " 1.0 2.0\n";
    const FileContainer table = readTable(tableText("YY MM DD HH A B", rows));
    EXPECT_DOUBLE_EQ(table.start(), jan1st2001);
    EXPECT_DOUBLE_EQ(table.end(), table.start() + 10 * table.timeStep());
    EXPECT_EQ(table.series(1)->pointCount(), 10u);
    EXPECT_DOUBLE_EQ(table.series(1)->x().back(), table.start() + 9 * table.timeStep());
}

TEST(MissingValues, BothBandsAndTheirBorders) {
    const FileContainer table = readTable(
        tableText("YY MM DD HH Q",
                  "01 1 1 0 -9999\n01 1 1 1 9999\n01 1 1 2 -9999.005\n01 1 1 3 9998.995\n"
                  "01 1 1 4 -9998.98\n01 1 1 5 9999.02\n01 1 1 6 -9999.01\n01 1 1 7 9998.99\n"
                  "01 1 1 8 -9998.99\n01 1 1 9 9999.01\n"));
    const SeriesData& q = *table.series(0);
    ASSERT_EQ(q.pointCount(), 10u);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(SeriesData::isMissing(q.y()[i])) << i;
    for (int i = 4; i < 10; ++i) EXPECT_FALSE(SeriesData::isMissing(q.y()[i])) << i;
    EXPECT_EQ(q.nullCount(), 4u);
    EXPECT_EQ(q.x()[0], jan1st2001);  // a gap keeps its place on the time axis
    EXPECT_EQ(q.valueMinimum, -9999.01);
    EXPECT_EQ(q.valueMaximum, 9999.02);
}

TEST(MissingValues, AnAllMissingColumnKeepsItsRangeUnsetAndLeavesTheTableRange) {
    const FileContainer table = readTable(tableText(
        "YY MM DD HH Gone A Lost", "01 1 1 0 -9999 -20000 9999\n01 1 1 1 9999 -30000 -9999\n"));
    for (int i : {0, 2}) {
        EXPECT_EQ(table.series(i)->valueMinimum, SeriesData::unset);
        EXPECT_EQ(table.series(i)->valueMaximum, SeriesData::unset);
        EXPECT_EQ(table.series(i)->nullCount(), 2u);
    }
    EXPECT_EQ(table.valueMinimum(), -30000.0);
    EXPECT_EQ(table.valueMaximum(), -20000.0);

    const FileContainer empty =
        readTable(tableText("YY MM DD HH Gone", "01 1 1 0 -9999\n01 1 1 1 9999\n"));
    EXPECT_EQ(empty.valueMinimum(), SeriesData::unset);
    EXPECT_EQ(empty.valueMaximum(), SeriesData::unset);
}

TEST(Columns, DateNamesAreDroppedAndOnlyTheLastSeriesStartsVisible) {
    const FileContainer table = readTable(
        tableText("YYYY MM DD HH A B C", "2001 1 1 0 1 2 3\n2001 1 1 1 4 5 6\n", "Flow_1"));
    EXPECT_EQ(titles(table), (std::vector<std::string>{"Flow_1: A", "Flow_1: B", "Flow_1: C"}));
    EXPECT_FALSE(table.series(0)->visible);
    EXPECT_FALSE(table.series(1)->visible);
    EXPECT_TRUE(table.series(2)->visible);
    EXPECT_EQ(table.series(2)->displayName, "Flow_1: C");
    EXPECT_EQ(table.series(2)->fileName, "t.txt");
    EXPECT_EQ(table.series(3), nullptr);
    EXPECT_EQ(table.series(-1), nullptr);
    // Every token after the first value column names a column, date names included.
    const FileContainer odd =
        readTable(tableText("YY MM DD HH A DD", "2001 1 1 0 1 2\n2001 1 1 1 4 5\n", "x"));
    EXPECT_EQ(titles(odd), (std::vector<std::string>{"x: A", "x: DD"}));
}

TEST(Columns, TitlePrefixEndsAtTheFirstUnderscoreFromIndexFifteen) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Temperature_in_subbasin_areas", "Temperature_in_subbasin"},
        {"abcdefghijklmno_x_y", "abcdefghijklmno"},    // "_" at index 15
        {"abcdefghijklmn_xyz", "abcdefghijklmn_xyz"},  // only at index 14
        // Characters, not bytes: the first "_" is at byte 15 but at character 13.
        {"Abfl\xc3\xbc\xc3\x9f"
         "abcdefg_x_y",
         "Abfl\xc3\xbc\xc3\x9f"
         "abcdefg_x"},
        {"", ""},
    };
    for (const auto& [entity, prefix] : cases) {
        const FileContainer table =
            readTable(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 1 1 1 2\n", entity));
        EXPECT_EQ(table.EntityName, entity);
        EXPECT_EQ(table.series(0)->baseTitle, prefix + ": Q") << entity;
    }
}

TEST(Columns, ColumnHeaderDirectlyFollowedByData) {
    const FileContainer table =
        readTable("YY MM DD HH Q\n01 1 1 0 1.5\n01 1 1 1 2.5\n01 1 1 2 3.5\n");
    EXPECT_EQ(table.EntityName, "01 1 1 0 1.5");
    EXPECT_EQ(table.series(0)->baseTitle, "01 1 1 0 1.5: Q");
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1.5, 2.5, 3.5}));
}

TEST(Columns, AVeryLongDescriptionIsCut) {
    const FileContainer table =
        readTable(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 1 1 1 2\n", std::string(5000, 'e')));
    EXPECT_EQ(table.EntityName, std::string(4095, 'e'));
}

TEST(DataRows, IndentedRowsRowsOverSeveralLinesAndCrLf) {
    const FileContainer table = readTable(
        "Results\r\nYY MM DD HH A B\r\nFlow\r\n2001 1 1 0 1 2\r\n   2001 1 1 1\t3\r\n4\r\n"
        "2001 1 1 2 +5 6e-1\r\n");
    EXPECT_EQ(table.EntityName, "Flow");
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(table.series(1)->y(), (std::vector<double>{2, 4, 0.6}));
}

TEST(DataRows, AByteOrderMarkBeforeTheColumnHeader) {
    const FileContainer table =
        readTable("\xEF\xBB\xBFYY MM DD HH Q\nQ_day\n01 1 1 0 1.5\n01 1 1 1 2.5\n");
    EXPECT_EQ(table.series(0)->baseTitle, "Q_day: Q");
    EXPECT_EQ(table.series(0)->pointCount(), 2u);
}

TEST(DataRows, ARowThatEndsEarlyKeepsTheValuesBeforeTheBadField) {
    const FileContainer table =
        readTable(tableText("YY MM DD HH A B C",
                            "01 1 1 0 1 2 3\n01 1 1 1 4 5 6\n01 1 1 2 7 x 9\n"
                            "01 1 1 3 10 11 12\n"));
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1, 4, 7}));
    EXPECT_EQ(table.series(1)->y(), (std::vector<double>{2, 5}));
    EXPECT_EQ(table.series(2)->y(), (std::vector<double>{3, 6}));
    EXPECT_DOUBLE_EQ(table.end(), jan1st2001 + 3 * hour);
    EXPECT_EQ(table.valueMaximum(), 7.0);
}

TEST(DataRows, NumbersThatAreNotDecimalEndThePass) {
    for (const char* bad : {"nan", "inf", "-inf", "1e400", "--1", "+-1", ",5", "0x"}) {
        const FileContainer table = readTable(
            tableText("YY MM DD HH A", std::string("01 1 1 0 1\n01 1 1 1 ") + bad + "\n"));
        const std::vector<double>& y = table.series(0)->y();
        // "0x" reads as 0, then "x" ends the pass at the next row.
        EXPECT_EQ(y.size(), std::string(bad) == "0x" ? 2u : 1u) << bad;
        for (double v : y) EXPECT_TRUE(std::isfinite(v)) << bad;
    }
}

TEST(DataRows, NumbersIgnoreTheLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    const FileContainer table =
        readTable(tableText("YY MM DD HH A", "01 1 1 0 1.5\n01 1 1 1 2,5\n"));
    EXPECT_EQ(table.series(0)->y(), (std::vector<double>{1.5, 2.0}));
}

TEST(DataRows, ProgressFollowsTheWholePercentOfTheFile) {
    std::string rows;
    for (int d = 1; d <= 28; ++d) {
        for (int h = 0; h < 24; ++h) {
            rows += "2001 2 " + std::to_string(d) + " " + std::to_string(h) + " 1.25 2.5\n";
        }
    }
    std::vector<int> seen;
    const FileContainer table("t.txt", tableText("YY MM DD HH A B", rows),
                              [&](int percent) { seen.push_back(percent); });
    EXPECT_EQ(table.series(0)->pointCount(), 28u * 24u);
    ASSERT_FALSE(seen.empty());
    EXPECT_LE(seen.size(), 101u);
    EXPECT_EQ(seen.back(), 100);
    for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_LT(seen[i - 1], seen[i]);
}

TEST(RefusedTables, GiveTheFormatError) {
    const std::string rows = "01 1 1 0 1\n01 1 1 1 2\n";
    expectRefused("");
    expectRefused("only a header\nYY MM DD HH Q\nQ\n");  // no data row
    expectRefused("Results\nQ\n" + rows);                // no line beginning with Y
    expectRefused(tableText("YY MM DD HH", rows));       // no value column
    expectRefused(tableText("YYYY MM DD HH", rows));
    expectRefused(tableText("YY MM DD HH Q", "01 1 1 0 1\n"));               // a single data row
    expectRefused(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 1 1 0 2\n"));   // no other time
    expectRefused(tableText("YY MM DD HH Q", "01 13 1 0 1\n01 1 1 1 2\n"));  // impossible date
    expectRefused(tableText("YY MM DD HH Q", "01 2 29 0 1\n01 3 1 1 2\n"));
    expectRefused(tableText("YY MM DD HH Q", "01 1 1 25 1\n01 1 1 1 2\n"));
    expectRefused(tableText("YY MM DD HH Q", "01 1 x 0 1\n01 1 1 1 2\n"));
    expectRefused(tableText("YY MM DD HH Q", "99999999999 1 1 0 1\n01 1 1 1 2\n"));
    expectRefused(" 01 1 1 0 1\n 01 1 1 1 2\nYY MM DD HH Q\n");  // indented first row
}

TEST(RefusedTables, HeaderLinesUpTo19999Characters) {
    const std::string rows = "01 1 1 0 1\n01 1 1 1 2\n";
    EXPECT_NO_THROW(readTable(std::string(19999, 'h') + "\r\n" + tableText("YY MM DD HH Q", rows)));
    expectRefused(std::string(20000, 'h') + "\n" + tableText("YY MM DD HH Q", rows));
}

TEST(RefusedTables, ManyColumnsUnderALongDescriptionDoNotMultiplyIntoTitles) {
    std::string columns = "YY MM DD HH";
    for (int i = 0; i < 100000; ++i) columns += " c";
    expectRefused(tableText(columns, "01 1 1 0 1\n01 1 1 1 2\n", std::string(4000, 'e')));
    // Many columns under a short description are a (sparse) table.
    columns = "YY MM DD HH";
    for (int i = 0; i < 1000; ++i) columns += " c";
    const FileContainer wide = readTable(tableText(columns, "01 1 1 0 1\n01 1 1 1 2\n", "e"));
    EXPECT_EQ(wide.seriesCount(), 1000);
    EXPECT_EQ(wide.series(0)->pointCount(), 1u);
    EXPECT_EQ(wide.series(999)->pointCount(), 0u);
}

TEST(TableFile, IsReadFromDiskAndMissingFilesAreReported) {
    TestFolder folder;
    const QString path = folder.write(
        "r.txt", QByteArray::fromStdString(tableText("YY MM DD HH Q", "01 1 1 0 1\n01 1 1 1 2\n")));
    const FileContainer table(path.toStdString());
    EXPECT_EQ(table.fileName(), path.toStdString());
    EXPECT_EQ(table.series(0)->pointCount(), 2u);
    EXPECT_THROW(FileContainer(folder.path("none.txt").toStdString()), TableFileError);
    EXPECT_THROW(FileContainer(folder.path(".").toStdString()), TableFileError);
    // A FIFO would wait for a writer for ever; it is refused before it is opened.
    const std::string fifo = folder.path("pipe.txt").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(FileContainer{fifo}, TableFileError);
    EXPECT_THROW(FileContainer{"/dev/zero"}, TableFileError);
}
