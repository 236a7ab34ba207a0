// The rows of a result table read on two cores against the same rows read on one: the table
// summary with every value, the ranges and the progress must not tell them apart.
#include "TableDataPass.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TableInfoJson.h"
#include "TableTestFiles.h"

namespace {

struct TableRead {
    std::string json;  // the summary with every value; empty when the table was refused
    std::vector<int> percents;
};

TableRead readTableOn(const std::string& text, bool twoCores) {
    TableRead read;
    const std::size_t split = twoCores ? 0 : std::string::npos;
    const FileContainer table(
        "t.txt", text, [&](int percent) { read.percents.push_back(percent); }, split);
    read.json = tableInfoJson(table, true);
    return read;
}

// The data pass alone, to see how the rows were read.
TableDataReading readingOf(const std::string& text, int dateFields, std::size_t columns) {
    TableDataLayout layout;
    layout.dataStart = text.find("\n0") + 1;
    layout.dateFields = dateFields;
    layout.columns = columns;
    return readTableData(text, layout, {}, 0).reading;
}

// Expects `text` read on two cores to give the summary and progress of one core.
void expectSameAsOneCore(const std::string& text) {
    const TableRead one = readTableOn(text, false);
    const TableRead two = readTableOn(text, true);
    EXPECT_EQ(two.json, one.json) << text.substr(0, 300);
    // The second half may have been read ahead of a field that ends the rows early.
    if (one.percents.back() == 100) EXPECT_EQ(two.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(two.percents.begin(), two.percents.end()));
}

// Hourly rows from 01 1 1 0 of `columns` values with three decimals, some missing, some
// negative, some with exponents; `lineEnd` after each row.
std::string rows(int count, int columns, unsigned seed, const std::string& lineEnd = "\n") {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-50, 150);
    std::string text;
    char field[32];
    for (int r = 0; r < count; ++r) {
        std::snprintf(field, sizeof field, "%02d %2d %2d %2d", 1, 1 + r / 24 / 28 % 12,
                      1 + r / 24 % 28, r % 24);
        text += field;
        for (int c = 0; c < columns; ++c) {
            const unsigned kind = random() % 9;
            if (kind == 0)
                text += " -9999";
            else if (kind == 1)
                text += " 9999.0";
            else if (kind == 2)
                std::snprintf(field, sizeof field, " %.6e", value(random)), text += field;
            else
                std::snprintf(field, sizeof field, " %9.3f", value(random)), text += field;
        }
        text += lineEnd;
    }
    return text;
}

std::string columnsLine(int columns) {
    std::string line = "YY MM DD HH";
    for (int c = 0; c < columns; ++c) line += " Q" + std::to_string(c);
    return line;
}

}  // namespace

TEST(TableDataPass, TwoCoresGiveTheValuesRangesAndProgressOfOne) {
    for (const int columns : {1, 3, 20}) {
        const std::string text =
            tableText(columnsLine(columns), rows(300, columns, unsigned(columns)));
        expectSameAsOneCore(text);
        EXPECT_EQ(readingOf(text, 4, std::size_t(columns)), TableDataReading::TwoCores);
    }
    // Line ends of two bytes, a last row without one, a minute column.
    const std::string crlf = tableText(columnsLine(4), rows(200, 4, 7, "\r\n"));
    expectSameAsOneCore(crlf);
    EXPECT_EQ(readingOf(crlf, 4, 4), TableDataReading::TwoCores);
    std::string open = tableText(columnsLine(4), rows(200, 4, 8));
    open.pop_back();
    expectSameAsOneCore(open);
    std::string minutes = "Run\nYY MM DD HH mm Q\nQ_day\n";
    for (int r = 0; r < 100; ++r)
        minutes += "01 1 1 " + std::to_string(r / 60) + " " + std::to_string(r % 60) + " " +
                   std::to_string(r) + ".5\n";
    expectSameAsOneCore(minutes);
    EXPECT_EQ(readingOf(minutes, 5, 1), TableDataReading::TwoCores);
}

TEST(TableDataPass, RowsTheLineCountMisjudgesAreReadAgainOnOneCore) {
    const std::string body = rows(120, 3, 2);
    // Blank lines in the first half, every row over two lines, two rows per line.
    const std::string blank = tableText(columnsLine(3), "01 1 1 0 1 2 3\n\n\n \n" + body);
    std::string split;
    std::string paired;
    std::size_t line = 0;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = body.find('\n', at);
        const std::string row = body.substr(at, end - at);
        const std::size_t middle = row.find(' ', 12);
        split += row.substr(0, middle) + "\n" + row.substr(middle) + "\n";
        paired += row + (line++ % 2 ? "\n" : " ");
        at = end + 1;
    }
    // (The first two rows stay whole: the time step is taken from them.)
    const std::string firstRows = rows(2, 3, 3);
    for (const std::string& text : {blank, tableText(columnsLine(3), firstRows + split),
                                    tableText(columnsLine(3), firstRows + paired)}) {
        expectSameAsOneCore(text);
        EXPECT_EQ(readingOf(text, 4, 3), TableDataReading::TwoCoresThenOne);
    }
}

TEST(TableDataPass, AFieldThatIsNoNumberEndsTheRowsWhereverItStands) {
    const int count = 80;
    const std::string body = rows(count, 3, 4);
    std::vector<std::size_t> rowStarts{0};
    for (std::size_t at = body.find('\n'); at + 1 < body.size(); at = body.find('\n', at + 1))
        rowStarts.push_back(at + 1);
    std::set<TableDataReading> ways;
    // In a date field or a value, in the first or the second half, and a row cut short.
    for (const std::size_t row :
         {std::size_t(5), std::size_t(39), std::size_t(41), std::size_t(count - 1)}) {
        for (const std::size_t field : {std::size_t(1), std::size_t(5), std::size_t(6)}) {
            std::string broken = body;
            std::size_t at = rowStarts[row];
            for (std::size_t f = 0; f < field; ++f)
                at = broken.find_first_of(" ", broken.find_first_not_of(" ", at));
            broken.insert(broken.find_first_not_of(" ", at), "x");
            const std::string text = tableText(columnsLine(3), broken);
            expectSameAsOneCore(text);
            ways.insert(readingOf(text, 4, 3));
        }
        expectSameAsOneCore(tableText(columnsLine(3), body.substr(0, rowStarts[row] + 20)));
    }
    EXPECT_TRUE(ways.count(TableDataReading::OneCore));
    EXPECT_TRUE(ways.count(TableDataReading::TwoCores));
}
