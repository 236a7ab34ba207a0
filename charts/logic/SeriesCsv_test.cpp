// The drawn series as CSV, read back and compared with the tables they came from.
#include "SeriesCsv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "CommaDecimalLocale.h"
#include "TableTestFiles.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Plain fields (no quotes), as the rows are.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> all;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        all.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return all;
        start = comma + 1;
    }
}

double number(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

std::unique_ptr<ChartDocument> documentWith(
    const std::vector<std::pair<std::string, std::string>>& tables) {
    auto doc = std::make_unique<ChartDocument>();
    doc->start(40000.0);
    for (const auto& [path, text] : tables)
        doc->addTable(std::make_unique<FileContainer>(path, text));
    return doc;
}

void showAll(ChartDocument& doc, int table) {
    for (int c = 0; c < doc.table(table).seriesCount(); ++c)
        doc.setSeriesVisible({doc.tableId(table), c}, true);
}

}  // namespace

TEST(SeriesCsv, TheTableComesBackValueForValueUnderAnyLocale) {
    CommaDecimalLocale german;
    // Values that need all their digits, tiny and huge ones, and missing markers.
    const std::string text = tableText("YYYY MM DD HH A B C",
                                       "2001 1 31 0 0.1 -9999 0.30000000000000004\n"
                                       "2001 1 31 6 1e-300 2.5 -9999.0\n"
                                       "2001 1 31 12 -123456789.125 9999 1.7976931348623157e308\n"
                                       "2001 1 31 18 3 4 5\n");
    const auto document = documentWith({{"a.txt", text}});
    ChartDocument& doc = *document;
    showAll(doc, 0);
    const std::string csv = visibleSeriesCsv(doc, WholeDateRange);
    const std::vector<std::string> lines = splitLines(csv);
    ASSERT_EQ(lines.size(), 5u) << csv;
    // The legend order: C was drawn first, when the table was added.
    EXPECT_EQ(lines[0], "Date,Flow_at_the_outlet: C,Flow_at_the_outlet: A,Flow_at_the_outlet: B");
    EXPECT_EQ(lines[1], "2001-01-31T00:00:00,0.30000000000000004,0.1,");
    EXPECT_EQ(lines[3], "2001-01-31T12:00:00,1.7976931348623157e+308,-123456789.125,");

    const FileContainer& table = doc.table(0);
    const int order[3] = {2, 0, 1};
    for (std::size_t r = 1; r < lines.size(); ++r) {
        const std::vector<std::string> row = fields(lines[r]);
        ASSERT_EQ(row.size(), 4u) << lines[r];
        EXPECT_EQ(row[0], isoDateTime(table.series(0)->x()[r - 1]));
        for (int k = 0; k < 3; ++k) {
            const double y = table.series(order[k])->y()[r - 1];
            if (std::isnan(y))
                EXPECT_EQ(row[k + 1], "") << lines[r];
            else
                EXPECT_EQ(number(row[k + 1]), y) << lines[r];  // bit for bit
        }
    }
}

TEST(SeriesCsv, TheRangeCutsIncludingBothEnds) {
    std::string rows;
    for (int h = 0; h < 10; ++h)
        rows += "2001 1 1 " + std::to_string(h) + " " + std::to_string(h) + "\n";
    const auto document = documentWith({{"a.txt", tableText("YYYY MM DD HH Q", rows)}});
    ChartDocument& doc = *document;
    const double first = 36892.0;
    const std::string csv = visibleSeriesCsv(doc, {first + 3 * hour, first + 5 * hour});
    EXPECT_EQ(csv,
              "Date,Flow_at_the_outlet: Q\n"
              "2001-01-01T03:00:00,3\n"
              "2001-01-01T04:00:00,4\n"
              "2001-01-01T05:00:00,5\n");
    // A range that holds no point gives the header alone.
    EXPECT_EQ(visibleSeriesCsv(doc, {first + 20, first + 30}), "Date,Flow_at_the_outlet: Q\n");
}

TEST(SeriesCsv, RowsAreTheUnionOfTheDatesInAscendingOrder) {
    // Hourly from 00:00 and two-hourly from 01:00 (a later table); the third in falling order.
    const auto document = documentWith({
        {"h.txt", tableText("YYYY MM DD HH H", "2001 1 1 0 1\n2001 1 1 1 2\n2001 1 1 2 3\n")},
        {"t.txt", tableText("YYYY MM DD HH T", "2001 1 1 1 10\n2001 1 1 3 30\n")},
        {"f.txt", tableText("YYYY MM DD HH F", "2001 1 1 2 -2\n2001 1 1 1 -1\n")},
    });
    ChartDocument& doc = *document;
    EXPECT_EQ(visibleSeriesCsv(doc, WholeDateRange),
              "Date,Flow_at_the_outlet: H,Flow_at_the_outlet: T,Flow_at_the_outlet: F\n"
              "2001-01-01T00:00:00,1,,\n"
              "2001-01-01T01:00:00,2,10,-1\n"
              "2001-01-01T02:00:00,3,,-2\n"
              "2001-01-01T03:00:00,,30,\n");
    // Hidden series and unchecked tables are left out.
    doc.setEntryChecked(1, false);
    doc.setSeriesVisible({doc.tableId(2), 0}, false);
    EXPECT_EQ(visibleSeriesCsv(doc, WholeDateRange),
              "Date,Flow_at_the_outlet: H\n"
              "2001-01-01T00:00:00,1\n"
              "2001-01-01T01:00:00,2\n"
              "2001-01-01T02:00:00,3\n");
}

TEST(SeriesCsv, NamesAreTheLegendsAndQuotedWhereTheyMustBe) {
    const auto document =
        documentWith({{"a.txt", tableText("YYYY MM DD HH Q", "2001 1 1 0 1\n2001 1 1 1 2\n")}});
    ChartDocument& doc = *document;
    doc.rename(0, QStringLiteral("Flow, \"daily\""));
    EXPECT_EQ(splitLines(visibleSeriesCsv(doc, WholeDateRange))[0],
              "Date,\"Flow, \"\"daily\"\": Q\"");
    EXPECT_EQ(csvField("plain: name"), "plain: name");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
}

TEST(SeriesCsv, PointsFromAnotherHolderAndDatesToTheSecond) {
    const auto document =
        documentWith({{"a.txt", tableText("YYYY MM DD HH Q", "2001 1 1 0 1\n2001 1 1 1 2\n")}});
    ChartDocument& doc = *document;
    const SeriesKey drawn = doc.drawn().front();
    // The chart holds the points once it drew them; the source gives them.
    const SeriesPointsSource held = [drawn](SeriesKey key) -> std::optional<SeriesPointArrays> {
        if (!(key == drawn)) return std::nullopt;
        // 23:59:59.6 rounds to the next day; a second point within that second gets a row
        // of its own.
        const double day = 36892.0;
        return SeriesPointArrays{{day + 0.5, day + 1 - 0.4 / 86400, day + 1 + 0.2 / 86400},
                                 {7, std::nan(""), 8}};
    };
    EXPECT_EQ(visibleSeriesCsv(doc, WholeDateRange, held),
              "Date,Flow_at_the_outlet: Q\n"
              "2001-01-01T12:00:00,7\n"
              "2001-01-02T00:00:00,\n"
              "2001-01-02T00:00:00,8\n");
    EXPECT_EQ(isoDateTime(36892.0 + 23.0 * hour + 59.0 / 1440 + 59.0 / 86400),
              "2001-01-01T23:59:59");
    EXPECT_EQ(isoDateTime(-1.25), "1899-12-28T18:00:00");
    EXPECT_EQ(isoDateTime(1e9), "1e+09");
}
