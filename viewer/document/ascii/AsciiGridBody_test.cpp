// The body of a plain ASCII grid read on two cores against the same body read on one: values,
// statistics, progress and the first bad word must not tell them apart.
#include "AsciiGridBody.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <random>

#include "AsciiGridReader.h"
#include "GridFormatError.h"
#include "LevelStatistics.h"
#include "TestGridFiles.h"

namespace {

struct BodyRead {
    AsciiBodyReading how = AsciiBodyReading::OneCore;
    std::vector<double> cells;
    GridStatistics statistics;
    std::vector<int> announcedRows;
    QString error;  // the format error's text; empty after a successful read
};

// Reads `text` (header and body) as the loader does, with small reads so that words cross
// the buffers' edges; on two cores the body is split wherever it is long enough.
BodyRead readBody(const QByteArray& text, bool twoCores) {
    static const TestFolder folder;  // one for all reads: they are many
    const QString path = folder.write("grid.asc", text);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    BodyRead read;
    try {
        TextNumberScanner scanner(file, "grid.asc", 64);
        const GridFileHeader places = readAsciiHeader(scanner, false, "grid.asc");
        const GridShape shape = checkedGridShape(places.header, 1, "grid.asc");
        GridRows level(shape.rows, shape.columns, 0.0);
        StatClass stats;
        const AsciiBodySplit split{twoCores ? path : QString(), file.size(), 0, 64};
        read.how = readAsciiGridBody(
            scanner, split, level, places.header.nodata_value, stats,
            [&](int row) { read.announcedRows.push_back(row); }, "grid.asc");
        read.cells.assign(level.data(), level.data() + level.cellCount());
        read.statistics = stats.results();
    } catch (const GridFormatError& error) {
        read.error = error.text();
    }
    return read;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

bool sameBits(const GridStatistics& a, const GridStatistics& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Expects the two-core read of `text` to end as the one-core read does; returns it.
BodyRead expectSameAsOneCore(const QByteArray& text) {
    const BodyRead one = readBody(text, false);
    const BodyRead two = readBody(text, true);
    EXPECT_EQ(one.how, AsciiBodyReading::OneCore);
    EXPECT_EQ(two.error, one.error) << text.toStdString();
    if (one.error.isEmpty() && two.error.isEmpty()) {
        EXPECT_TRUE(sameBits(two.cells, one.cells)) << text.toStdString();
        EXPECT_TRUE(sameBits(two.statistics, one.statistics)) << text.toStdString();
        EXPECT_EQ(two.announcedRows, one.announcedRows);
    }
    return two;
}

QByteArray header(int columns, int rows, const char* lineEnd = "\n") {
    return QByteArray("ncols ") + QByteArray::number(columns) + lineEnd + "nrows " +
           QByteArray::number(rows) + lineEnd + "xllcorner 0" + lineEnd + "yllcorner 0" + lineEnd +
           "cellsize 1" + lineEnd + "nodata_value -9999" + lineEnd;
}

// A body of one row per line, as the writer puts it: values of several lengths, signs and
// exponents, with some nodata cells.
std::vector<QByteArray> randomWords(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-5000, 5000);
    std::vector<QByteArray> words;
    for (int i = 0; i < count; ++i) {
        switch (random() % 5) {
            case 0:
                words.push_back("-9999");
                break;
            case 1:
                words.push_back(QByteArray::number(value(random), 'g', 17));
                break;
            case 2:
                words.push_back(QByteArray::number(value(random) * 1e-7, 'e', 9));
                break;
            default:
                words.push_back(QByteArray::number(value(random), 'f', 3));
        }
    }
    return words;
}

QByteArray rowsOf(const std::vector<QByteArray>& words, int columns, const char* separator,
                  const char* lineEnd) {
    QByteArray body;
    for (std::size_t i = 0; i < words.size(); ++i) {
        body += words[i] + separator;
        if ((i + 1) % std::size_t(columns) == 0) body += lineEnd;
    }
    return body;
}

}  // namespace

TEST(AsciiGridBody, TwoCoresGiveTheValuesStatisticsAndProgressOfOne) {
    struct Shape {
        int columns, rows;
        const char* separator;
        const char* lineEnd;
    };
    for (const Shape& shape :
         {Shape{7, 5, "\t", "\r\n"}, Shape{40, 33, " ", "\n"}, Shape{1, 50, "", "\n"},
          Shape{3, 200, "\t", "\r\n"}, Shape{250, 4, " ", "\n"}}) {
        const auto words = randomWords(shape.columns * shape.rows, unsigned(shape.columns));
        const QByteArray text = header(shape.columns, shape.rows, shape.lineEnd) +
                                rowsOf(words, shape.columns, shape.separator, shape.lineEnd);
        EXPECT_EQ(expectSameAsOneCore(text).how, AsciiBodyReading::TwoCores)
            << shape.columns << " x " << shape.rows;
    }
    // Words after the last value are ignored, whatever they are.
    const QByteArray text = header(4, 6) + rowsOf(randomWords(24, 3), 4, " ", "\n");
    EXPECT_EQ(expectSameAsOneCore(text + "5 6 7\n").how, AsciiBodyReading::TwoCores);
    EXPECT_EQ(expectSameAsOneCore(text + "words that are no numbers\n").how,
              AsciiBodyReading::TwoCores);
}

TEST(AsciiGridBody, LayoutsTheLineCountMisjudgesAreReadOnOnOneCore) {
    const auto words = randomWords(60, 9);
    const QByteArray rows = rowsOf(words, 6, " ", "\n");
    // Every row over two lines; two rows per line; blank lines in the first half; the first
    // row on the header's last line; a body on a single line ending in a line feed.
    EXPECT_EQ(expectSameAsOneCore(header(6, 10) + rowsOf(words, 3, " ", "\n")).how,
              AsciiBodyReading::TwoCoresThenOne);
    EXPECT_EQ(expectSameAsOneCore(header(6, 10) + rowsOf(words, 12, " ", "\n")).how,
              AsciiBodyReading::TwoCoresThenOne);
    EXPECT_EQ(expectSameAsOneCore(header(6, 10) + "\n\n  \n" + rows).how,
              AsciiBodyReading::TwoCoresThenOne);
    EXPECT_EQ(expectSameAsOneCore(header(6, 10).chopped(1) + " " + rows).how,
              AsciiBodyReading::TwoCores);
    QByteArray oneLine = rows;
    oneLine.replace('\n', ' ');
    EXPECT_EQ(expectSameAsOneCore(header(6, 10) + oneLine + "\n").how, AsciiBodyReading::OneCore);
    // All rows before the split: the second part has nothing to read.
    EXPECT_EQ(
        expectSameAsOneCore(header(6, 10) + rows + QByteArray("junk words\n").repeated(200)).how,
        AsciiBodyReading::OneCore);
}

TEST(AsciiGridBody, TheFirstBadWordIsNamedWhicheverPartFindsIt) {
    const int columns = 6;
    const int rowCount = 8;
    const auto words = randomWords(columns * rowCount, 5);
    // Intact, the body is read on two cores; broken anywhere, the error is the one-core one.
    ASSERT_EQ(readBody(header(columns, rowCount) + rowsOf(words, columns, "\t", "\n"), true).how,
              AsciiBodyReading::TwoCores);
    for (const char* bad : {"x", "1e999", "3,5", "nan"}) {
        for (int at = bad[0] == 'x' ? 0 : 1; at < columns * rowCount; at += bad[0] == 'x' ? 1 : 5) {
            auto broken = words;
            broken[std::size_t(at)] = bad;
            const BodyRead two = expectSameAsOneCore(header(columns, rowCount) +
                                                     rowsOf(broken, columns, "\t", "\n"));
            EXPECT_TRUE(two.error.contains(QString("\"%1\"").arg(bad))) << two.error.toStdString();
        }
    }
    // A bad word in each part: the first part's is named.
    auto broken = words;
    broken[3] = "first";
    broken[words.size() - 2] = "second";
    const BodyRead two =
        expectSameAsOneCore(header(columns, rowCount) + rowsOf(broken, columns, " ", "\n"));
    EXPECT_TRUE(two.error.contains("\"first\" (the value of row 1, column 4)"));
}

TEST(AsciiGridBody, BodiesThatEndEarlyEndTheSameWay) {
    const int columns = 5;
    const int rowCount = 6;
    const QByteArray whole =
        header(columns, rowCount) + rowsOf(randomWords(columns * rowCount, 2), columns, " ", "\n");
    const int headerBytes = int(header(columns, rowCount).size());
    // Cut at every third byte: within words, right after them and within line ends.
    for (int length = headerBytes; length <= whole.size(); length += 3)
        expectSameAsOneCore(whole.left(length));
    // A header claiming more rows or columns than the body holds.
    const QByteArray body = rowsOf(randomWords(columns * rowCount, 4), columns, " ", "\r\n");
    for (const QByteArray& claim : {header(columns, rowCount + 3), header(columns, rowCount * 2),
                                    header(columns + 1, rowCount)}) {
        EXPECT_TRUE(expectSameAsOneCore(claim + body).error.contains("is missing"));
    }
}

TEST(AsciiGridBody, LongBodiesLoadBitForBit) {
    // Long enough for the loader to split it (a few megabytes): the loaded values and
    // statistics are those of the file, bit for bit, and the progress runs once over the rows.
    const int columns = 1000;
    const int rowCount = 600;
    std::mt19937 random(1);
    std::uniform_real_distribution<double> value(-1000, 1000);
    GridRows expected(rowCount, columns);
    QByteArray text = header(columns, rowCount, "\r\n");
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columns; ++c) {
            expected.at(r, c) = (r + c) % 17 == 0 ? -9999 : value(random);
            text += QByteArray::number(expected.at(r, c), 'g', 17) + '\t';
        }
        text += "\r\n";
    }
    ASSERT_GT(text.size(), AsciiBodySplit().minimumBodyBytes);
    TestFolder folder;
    GridDocument doc;
    std::vector<int> percents;
    LoadCallbacks callbacks;
    callbacks.progress = [&](int percent) { percents.push_back(percent); };
    LoadGrid(doc, folder.write("long.asc", text), NetcdfLevelReader(), callbacks);
    ASSERT_TRUE(doc.hasValues());
    EXPECT_TRUE(sameBits(
        cells(doc), std::vector<double>(expected.data(), expected.data() + expected.cellCount())));
    EXPECT_TRUE(sameBits(doc.statistics, levelStatistics(expected, -9999)));
    ASSERT_EQ(percents.size(), std::size_t(rowCount));
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}
