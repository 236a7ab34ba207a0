#include "AsciiGridReader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "TestGridFiles.h"

TEST(AsciiGridReader, AcceptsAnyKeywordsTabsAndCrLf) {
    TestFolder folder;
    GridDocument shortWords, german;
    loadGrid(shortWords, folder.write("k.asc",
                                      "ncols\t3\r\nnrows 2\r\nxll 10.5\r\nyll -20\r\ncs 5\r\n"
                                      "nodata -9999\r\n1\t+2 3e0\r\n\t4 -9999\t6.5\r\n"));
    loadGrid(german, folder.write("g.asc",
                                  "ncols 3\nZeilen 2\nxUnten 10.5\nyUnten -20\nZellgroesse 5\n"
                                  "Fehlwert -9999\n1 2 3\n4 -9999 6.5"));
    for (const GridDocument* doc : {&shortWords, &german}) {
        EXPECT_EQ(formatName(doc->Format), "Grid (ASCII)");
        EXPECT_EQ(doc->header.ncols, 3);
        EXPECT_EQ(doc->header.nrows, 2);
        EXPECT_EQ(doc->header.xllcorner, 10.5);
        EXPECT_EQ(doc->header.yllcorner, -20);
        EXPECT_EQ(doc->header.cellsize, 5);
        EXPECT_EQ(doc->header.nodata_value, -9999);
        EXPECT_EQ(cells(*doc), (std::vector<double>{1, 2, 3, 4, -9999, 6.5}));
        EXPECT_EQ(doc->statistics.CellCount, 5);
        EXPECT_EQ(doc->statistics.Sum, 16.5);
        EXPECT_EQ(doc->statistics.Minimum, 1);
        EXPECT_EQ(doc->statistics.Maximum, 6.5);
        EXPECT_EQ(doc->LevelCount, 1);
        EXPECT_FALSE(doc->IsStack);
    }
}

TEST(AsciiGridReader, NumbersCutByTheBufferEdgeAreReadWhole) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::vector<double> expected;
    QByteArray text;
    for (int i = 0; i < 5000; ++i) {
        expected.push_back(i % 3 ? value(random) : double(i));
        text += QByteArray::number(expected.back(), 'g', 17) + (i % 7 ? " " : "\r\n\t");
    }
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    TextNumberScanner scanner(buffer, "test", 64);  // tiny chunks: many cut numbers
    for (double wanted : expected) {
        double read = 0;
        ASSERT_EQ(scanner.nextNumber(read), TextNumberScanner::Result::Number);
        ASSERT_EQ(read, wanted);
    }
    double extra;
    EXPECT_EQ(scanner.nextNumber(extra), TextNumberScanner::Result::End);
}

TEST(AsciiGridReader, DecimalsReadBitForBitAsFromCharsReadsThem) {
    // Words of 1 to 17 digits with the point anywhere (or none), signs, and words at the edges
    // of the short form: every value must be the one std::from_chars gives, sign of zero too.
    std::mt19937 random(5);
    std::vector<std::string> words = {"0",
                                      "-0",
                                      "0.",
                                      "-.0",
                                      ".5",
                                      "5.",
                                      "-0.000",
                                      "999999999999999",
                                      "9999999999999999",
                                      "0.000000000000001",
                                      "1234567.890123456",
                                      "+7.25"};
    for (int i = 0; i < 20000; ++i) {
        std::string word = random() % 3 == 0 ? "-" : "";
        const int digits = 1 + int(random() % 17);
        const int point = int(random() % (digits + 2)) - 1;  // -1: none
        for (int d = 0; d < digits; ++d) {
            if (d == point) word += '.';
            word += char('0' + random() % 10);
        }
        words.push_back(word);
    }
    QByteArray text;
    for (const std::string& word : words) text += QByteArray::fromStdString(word) + '\t';
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    TextNumberScanner scanner(buffer, "test", 4096);
    for (const std::string& word : words) {
        double read = 0;
        ASSERT_EQ(scanner.nextNumber(read), TextNumberScanner::Result::Number) << word;
        const char* first = word.data() + (word[0] == '+' ? 1 : 0);
        double expected = 0;
        std::from_chars(first, word.data() + word.size(), expected);
        ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << word;
    }
}

namespace {

// Loads `text` and expects a format error whose message contains `part`.
void expectFormatError(const QByteArray& text, const QString& part) {
    TestFolder folder;
    GridDocument doc;
    try {
        loadGrid(doc, folder.write("bad.asc", text));
        ADD_FAILURE() << "no error for " << text.toStdString();
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Format);
        EXPECT_FALSE(error.silent());
        EXPECT_TRUE(error.text().contains(part)) << error.text().toStdString();
    }
    EXPECT_FALSE(doc.hasValues());
    EXPECT_TRUE(doc.Levels.empty());
}

const QByteArray header2x2 = "ncols 2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\n";

}  // namespace

TEST(AsciiGridReader, BadBodiesEndTheLoadWithoutValues) {
    expectFormatError(header2x2 + "1 2\nx 4\n", "\"x\" (the value of row 2, column 1)");
    expectFormatError(header2x2 + "1 2\n3,5 4\n", "\"3,5\"");
    expectFormatError(header2x2 + "1 2 3      \n", "row 2, column 2 is missing");
    expectFormatError(header2x2 + "1 2 1e999 4", "out of range");
    expectFormatError("ncols 2\nnrows two\n", "\"two\" (header number 2)");
    expectFormatError("ncols 2\nnrows 2\nxll 0\n", "header number 4 is missing");
}

TEST(AsciiGridReader, HeadersClaimingMoreThanTheFileHoldsAreRefusedBeforeAllocating) {
    expectFormatError("ncols 10000\nnrows 10000\nxll 0\nyll 0\ncs 1\nnodata -9999\n1 2 3",
                      "too short");
    // Two bytes per number but the last: 2 × 2 cells need at least 7 bytes after the header.
    expectFormatError(header2x2.chopped(1) + " 1 2 3", "too short");
    expectFormatError("ncols 100000\nnrows 100000\nxll 0\nyll 0\ncs 1\nnodata -9999\n1 2 3",
                      "more than a grid may hold");
    expectFormatError("ncols 3e9\nnrows 1\nxll 0\nyll 0\ncs 1\nnodata -9999\n1", "impossible");
    expectFormatError("ncols 1e300\nnrows 1e300\nxll 0\nyll 0\ncs 1\nnodata -9999\n1",
                      "impossible");
    expectFormatError("ncols -2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\n1 2 3 4", "impossible");

    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("tight.asc", header2x2.chopped(1) + " 1 2 3 4"));
    EXPECT_EQ(cells(doc), (std::vector<double>{1, 2, 3, 4}));
}

TEST(AsciiGridReader, NanAndInfinityTokensAreNotNumbers) {
    for (const char* token :
         {"nan", "NaN", "-nan", "+NAN", "inf", "-inf", "+Inf", "INFINITY", "-infinity"}) {
        const QString quoted = QStringLiteral("\"%1\"").arg(QLatin1String(token));
        expectFormatError(header2x2 + "1 2\n" + token + " 4\n",
                          quoted + " (the value of row 2, column 1) is not a number");
        expectFormatError(
            "ncols 2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata " + QByteArray(token) + "\n1 2 3 4\n",
            quoted + " (header number 6) is not a number");
        expectFormatError(
            QByteArray("ncols ") + token + "\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata 0\n",
            quoted + " (header number 1) is not a number");
    }
    // In a stack, on a level that is not shown.
    expectFormatError(
        "stack 1\nnrows 1\nx 0\ny 0\nc 1\nn -9999\na 0\nb 0\nc 0\nd 0\ne 0\nf 1\n"
        "1 nan\n",
        "\"nan\" (the value of row 1, column 1, level 1) is not a number");
    // Words that only start like them are no numbers either; large finite values are.
    expectFormatError(header2x2 + "1 2 3 info\n", "\"info\"");
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("big.asc", header2x2 + "1.7e308 -1.7e308 4.9e-324 0"));
    EXPECT_EQ(cells(doc), (std::vector<double>{1.7e308, -1.7e308, 4.9e-324, 0}));
}

TEST(AsciiGridReader, NumbersTooSmallForADoubleAreReadAsTheNearestOne) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("tiny.asc", header2x2 + "1e-310 -2.5e-320 1e-400 -1E-99999\n"));
    EXPECT_EQ(cells(doc), (std::vector<double>{1e-310, -2.5e-320, 0, 0}));
    EXPECT_TRUE(std::signbit(doc.Values->at(1, 1)));
    EXPECT_EQ(doc.statistics.CellCount, 4);
    // Too large stays out of range.
    expectFormatError(header2x2 + "1 2 3 1e400\n",
                      "\"1e400\" (the value of row 2, column 2) is out of range");
}

TEST(AsciiGridReader, GridsWithoutCellsAreRefused) {
    for (const char* size : {"ncols 0\nnrows 0", "ncols 0\nnrows 3", "ncols 3\nnrows 0"})
        expectFormatError(QByteArray(size) + "\nxll 0\nyll 0\ncs 1\nnodata -9999\n",
                          "without cells");
    // A stack without cells claiming 2^30 levels in a file of a few bytes.
    expectFormatError(
        "stack 0\nnrows 5\nxll 0\nyll 0\ncs 1\nnodata -9999\n"
        "count 0\nmin 0\nmax 0\nsum 0\naverage 0\nlevels 1073741823\n",
        "without cells");
}
