#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "ConvertCommand.h"
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

TEST(GridCommands, InfoKeepsJsonValidAndLoadsImplausibleHeadersWithAWarning) {
    TestFolder folder;
    const QString file =
        folder.write("nan.asc", "ncols 2.5\nnrows 1\nx 0.1\ny 0\nc 1\nn -9999\nnan 1");
    const CommandRun result = run(runInfoCommand, {file, "--values"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("may not be a grid")) << result.err.toStdString();
    const QJsonObject info = json(result);
    EXPECT_TRUE(info["statistics"].toObject()["Sum"].isNull());
    EXPECT_EQ(info["xllcorner"].toDouble(), 0.1);
    EXPECT_EQ(info["values"].toArray()[0].toArray()[1].toDouble(), 1);
}

TEST(GridCommands, InfoRefusesBadInput) {
    TestFolder folder;
    const QString file = folder.write("s.stk", stack3);
    const std::vector<QStringList> bad{{},
                                       {folder.path("missing.asc")},
                                       {folder.write("x.txt", "hello world")},
                                       {file, "--level", "3"},
                                       {file, "--level", "one"},
                                       {file, "--colour"}};
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

    EXPECT_EQ(run(runConvertCommand, {in, out, "--to", "png"}).exitCode, 1);
    EXPECT_EQ(run(runConvertCommand, {in}).exitCode, 1);
    EXPECT_EQ(run(runConvertCommand, {in, folder.path("none/x.asc")}).exitCode, 1);
}
