#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <limits>

#include "CommaDecimalLocale.h"
#include "ConvertCommand.h"
#include "FileSizeLimit.h"
#include "InfoCommand.h"
#include "TestGridFiles.h"

namespace {

struct CommandRun {
    int exitCode = 0;
    QString out;
    QString err;
};

CommandRun run(int (*command)(const QStringList&, QTextStream&, QTextStream&),
               const QStringList& args) {
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.exitCode = command(args, out, err);
    out.flush();
    err.flush();
    return result;
}

QJsonObject json(const CommandRun& result) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    return doc.object();
}

const QByteArray stack3 =
    "stack 2\nnrows 1\nxll 5\nyll 6\ncs 10\nnodata -9999\na 0\nb 0\nc 0\nd 0\ne 0\nf 2\n"
    "1 10 100 -9999 20 200";

}  // namespace

TEST(GridCommands, InfoPrintsTheHeaderStatisticsAndValuesAsJson) {
    TestFolder folder;
    const QString file = folder.write("s.stk", stack3);
    const CommandRun result = run(runInfoCommand, {"--info", file, "--level", "1", "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject info = json(result);
    const QStringList keys{"format",       "ncols",  "nrows", "xllcorner",  "yllcorner", "cellsize",
                           "nodata_value", "levels", "level", "statistics", "values"};
    const QStringList found = info.keys();
    EXPECT_EQ(QSet<QString>(found.begin(), found.end()), QSet<QString>(keys.begin(), keys.end()));
    EXPECT_EQ(info["format"].toString(), "Stack (ASCII)");
    EXPECT_EQ(info["levels"].toInt(), 3);
    EXPECT_EQ(info["level"].toInt(), 1);
    EXPECT_EQ(info["cellsize"].toDouble(), 10);
    const QJsonObject stats = info["statistics"].toObject();
    EXPECT_EQ(stats["CellCount"].toDouble(), 2);
    EXPECT_EQ(stats["Sum"].toDouble(), 30);
    EXPECT_EQ(stats.keys().size(), 6);
    EXPECT_EQ(info["values"].toArray(), QJsonArray({QJsonArray({10, 20})}));
    // Whole numbers are printed as such.
    EXPECT_TRUE(result.out.contains("\"nodata_value\": -9999,")) << result.out.toStdString();
}

TEST(GridCommands, InfoHistogramCountsTheDataCellsInEqualBinsBeforeTheValues) {
    TestFolder folder;
    // Minimum 0, maximum 10: four bins of 2.5; 2.5 opens the second bin, the maximum closes
    // the last, and the nodata cells are not counted.
    const QString file =
        folder.write("g.asc",
                     "ncols 4\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -1\n"
                     "0 2.5 -1 10\n9.9 7.5 -1 1\n");
    const CommandRun result = run(runInfoCommand, {file, "--histogram", "4", "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject info = json(result);
    const QJsonObject histogram = info["histogram"].toObject();
    EXPECT_EQ(histogram["bins"].toInt(), 4);
    EXPECT_EQ(histogram["edges"].toArray(), QJsonArray({0, 2.5, 5, 7.5, 10}));
    EXPECT_EQ(histogram["counts"].toArray(), QJsonArray({2, 1, 0, 3}));
    EXPECT_EQ(info["statistics"].toObject()["CellCount"].toInt(), 6);
    EXPECT_EQ(info["values"].toArray().size(), 2);
    EXPECT_LT(result.out.indexOf("\"histogram\""), result.out.indexOf("\"values\""));

    // A grid of nodata only: every bin empty, no edges.
    const QString empty =
        folder.write("e.asc",
                     "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -1\n"
                     "-1 -1\n");
    const QJsonObject none =
        json(run(runInfoCommand, {empty, "--histogram", "3"}))["histogram"].toObject();
    EXPECT_EQ(none["edges"].toArray(), QJsonArray());
    EXPECT_EQ(none["counts"].toArray(), QJsonArray({0, 0, 0}));
}

TEST(GridCommands, InfoLoadsImplausibleHeadersWithAWarning) {
    TestFolder folder;
    const QString file =
        folder.write("half.asc", "ncols 2.5\nnrows 1\nx 0.1\ny 0\nc 1\nn -9999\n-9999 1");
    const CommandRun result = run(runInfoCommand, {file, "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("may not be a grid")) << result.err.toStdString();
    const QJsonObject info = json(result);
    EXPECT_EQ(info["statistics"].toObject()["Sum"].toDouble(), 1);
    EXPECT_EQ(info["xllcorner"].toDouble(), 0.1);
    EXPECT_EQ(info["values"].toArray()[0].toArray()[1].toDouble(), 1);
}

TEST(GridCommands, NanCellsAreNodataAndNanTextIsRefused) {
    TestFolder folder;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QString binary = folder.write(
        "nan.bin", binaryFile(BinaryPrecision::Double, {3, 1, 0, 0, 1, -9999}, {nan, 2, 4}));
    CommandRun result = run(runInfoCommand, {binary, "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonObject info = json(result);
    const QJsonObject stats = info["statistics"].toObject();
    EXPECT_EQ(stats["CellCount"].toDouble(), 2);
    EXPECT_EQ(stats["Sum"].toDouble(), 6);
    EXPECT_EQ(stats["StdDeviation"].toDouble(), std::sqrt(2.0));
    EXPECT_EQ(info["values"].toArray()[0].toArray()[0].toDouble(), -9999);

    const QString text = folder.write("nan.asc", "ncols 2\nnrows 1\nx 0\ny 0\nc 1\nn -9999\nnan 1");
    result = run(runInfoCommand, {text});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains("\"nan\" (the value of row 1, column 1) is not a number"))
        << result.err.toStdString();

    // A nodata value that is no finite number is refused before anything is written.
    const QString out = folder.path("out.asc");
    for (const char* value : {"nan", "NaN", "inf", "-infinity", "1e999"}) {
        result = run(runConvertCommand, {"--convert", binary, out, "--nodata", value});
        EXPECT_EQ(result.exitCode, 1) << value;
        EXPECT_TRUE(result.err.contains(
            QStringLiteral("--nodata needs a finite number, not \"%1\"").arg(QLatin1String(value))))
            << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
    // Converted, the former NaN cell is written with the nodata value asked for.
    result = run(runConvertCommand, {binary, out, "--to", "ascii", "--nodata", "-1"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(fileBytes(out).endsWith("nodata_value -1\r\n          -1\t2\t4\t\r\n"));
}

TEST(GridCommands, EmptyGridsAndSpecialFilesAreRefused) {
    TestFolder folder;
    const QString empty = folder.write("empty.asc", "ncols 0\nnrows 0\nx 0\ny 0\nc 1\nn -9999\n");
    CommandRun result = run(runInfoCommand, {empty});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("without cells")) << result.err.toStdString();
    EXPECT_EQ(run(runConvertCommand, {empty, folder.path("x.asc")}).exitCode, 1);

    // --info on a FIFO would wait for a writer for ever.
    const QString fifo = folder.path("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    result = run(runInfoCommand, {fifo});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains("it is a FIFO")) << result.err.toStdString();
    result = run(runInfoCommand, {folder.path("")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("it is a folder")) << result.err.toStdString();
}

TEST(GridCommands, ConvertReportsTheSystemsReasonWhenWritingFails) {
    TestFolder folder;
    QByteArray text = "ncols 100\nnrows 100\nx 0\ny 0\nc 1\nn -9999\n";
    for (int i = 0; i < 10000; ++i) text += "12.5 ";
    const QString in = folder.write("big.asc", text);
    const QString out = folder.write("out.bin", "the old contents");
    CommandRun result;
    {
        FileSizeLimit limit(20000);  // the double grid needs 80096 bytes
        result = run(runConvertCommand, {in, out, "--to", "double"});
    }
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(FileSizeLimit::reason())) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("Unknown error")) << result.err.toStdString();
    EXPECT_EQ(fileBytes(out), "the old contents");
}

TEST(GridCommands, InfoRefusesBadInput) {
    TestFolder folder;
    const QString file = folder.write("s.stk", stack3);
    const std::vector<QStringList> bad{{},
                                       {folder.path("missing.asc")},
                                       {folder.write("x.txt", "hello world")},
                                       {file, "--level", "3"},
                                       {file, "--level", "one"},
                                       {file, "--colour"},
                                       {file, "--histogram", "0"},
                                       {file, "--histogram", "many"}};
    for (const QStringList& args : bad) {
        const CommandRun result = run(runInfoCommand, args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}

TEST(GridCommands, ConvertWritesTheChosenLevelFormatAndNodata) {
    TestFolder folder;
    const QString in = folder.write("s.stk", stack3);
    const QString out = folder.path("out.bin");
    CommandRun result = run(runConvertCommand, {"--convert", in, out, "--to", "double", "--level",
                                                "2", "--nodata", "-9999"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    GridDocument doc;
    loadGrid(doc, out);
    EXPECT_EQ(doc.Format, GridFileFormat::DoubleGrid);
    EXPECT_EQ(cells(doc), (std::vector<double>{100, 200}));

    // By default the format Save would use: an ASCII grid for an ASCII stack.
    result = run(runConvertCommand, {in, folder.path("level0.asc"), "--nodata", "0"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(fileBytes(folder.path("level0.asc"))
                    .endsWith("nodata_value 0\r\n"
                              "           1\t0\t\r\n"));

    // A binary grid that loading will not recognise is written with a warning.
    result =
        run(runConvertCommand, {in, folder.path("odd.flt"), "--to", "single", "--nodata", "-1"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains("will not be")) << result.err.toStdString();
    result = run(runConvertCommand, {in, folder.path("ok.flt"), "--to", "single"});
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();

    EXPECT_EQ(run(runConvertCommand, {in, out, "--to", "png"}).exitCode, 1);
    EXPECT_EQ(run(runConvertCommand, {in}).exitCode, 1);
    EXPECT_EQ(run(runConvertCommand, {in, folder.path("none/x.asc")}).exitCode, 1);
}

TEST(GridCommands, InfoAndConvertKeepTheDotUnderACommaDecimalLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    TestFolder folder;
    const QString in = folder.write(
        "g.asc",
        "ncols 2\nnrows 1\nxllcorner 0.5\nyllcorner -1.25\ncellsize 2.5\nnodata_value -3.5\n"
        "1.75 -3.5\n");

    CommandRun result = run(runInfoCommand, {"--info", in, "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("\"nodata_value\": -3.5,")) << result.out.toStdString();
    const QJsonObject info = json(result);
    EXPECT_EQ(info["xllcorner"].toDouble(), 0.5);
    EXPECT_EQ(info["statistics"].toObject()["Average"].toDouble(), 1.75);
    EXPECT_EQ(info["values"].toArray()[0].toArray()[0].toDouble(), 1.75);

    const QString out = folder.path("out.asc");
    result = run(runConvertCommand, {"--convert", in, out, "--nodata", "-9999.5"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray written = fileBytes(out);
    EXPECT_FALSE(written.contains(',')) << written.toStdString();
    EXPECT_TRUE(written.contains("nodata_value -9999.5\r\n")) << written.toStdString();
    GridDocument doc;
    loadGrid(doc, out);
    EXPECT_EQ(doc.header.xllcorner, 0.5);
    EXPECT_EQ(doc.header.yllcorner, -1.25);
    EXPECT_EQ(doc.header.cellsize, 2.5);
    EXPECT_EQ(doc.header.nodata_value, -9999.5);
    EXPECT_EQ(cells(doc), (std::vector<double>{1.75, -9999.5}));
}
