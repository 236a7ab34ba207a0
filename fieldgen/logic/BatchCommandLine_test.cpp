#include "BatchCommandLine.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <cstdio>

#include "FieldGenTesting.h"
#include "GeneratorTable.h"

namespace {

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString errorOf(const BatchRequest& request) {
    const auto* error = std::get_if<BatchError>(&request);
    return error != nullptr ? error->message : QString();
}

struct ProgramRun {
    int exitCode;
    QByteArray errors;
};

ProgramRun runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(QStringLiteral(SORVEK_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), program.readAllStandardError()};
}

}  // namespace

TEST(BatchCommandLine, EveryOptionSetsItsParameter) {
    const BatchRequest request = parseBatchCommandLine(
        words("--batch --rows 12 --cols 34 --xll 1.5 --yll -2 --cellsize 25 --nodata -1 "
              "--average 3 --stddev 0.5 --corrx 0.2 --corry 0.3 --seed 99 --log out.asc"));
    ASSERT_TRUE(std::holds_alternative<BatchJob>(request)) << qPrintable(errorOf(request));
    const FieldParameters& p = std::get<BatchJob>(request).parameters;
    EXPECT_EQ(p.fileName, QStringLiteral("out.asc"));
    EXPECT_EQ(p.nrows, 12);
    EXPECT_EQ(p.ncols, 34);
    EXPECT_EQ(p.xll, 1.5);
    EXPECT_EQ(p.yll, -2.0);
    EXPECT_EQ(p.cellSize, 25.0);
    EXPECT_EQ(p.nodata, -1.0);
    EXPECT_EQ(p.average, 3.0);
    EXPECT_EQ(p.stdDeviation, 0.5);
    EXPECT_EQ(p.corrLenX, 0.2);
    EXPECT_EQ(p.corrLenY, 0.3);
    EXPECT_EQ(p.initValue, 99);
    EXPECT_EQ(p.distributionType, 1);
}

TEST(BatchCommandLine, LeftOutParametersKeepTheFormsDefaultsAndTheClockSeeds) {
    const BatchRequest request = parseBatchCommandLine(words("--batch f.000"));
    ASSERT_TRUE(std::holds_alternative<BatchJob>(request));
    const FieldParameters& p = std::get<BatchJob>(request).parameters;
    EXPECT_EQ(p.nrows, 100);
    EXPECT_EQ(p.ncols, 100);
    EXPECT_EQ(p.cellSize, 100.0);
    EXPECT_EQ(p.nodata, -9999.0);
    EXPECT_EQ(p.corrLenX, 0.01);
    EXPECT_LE(p.initValue, 0);
    EXPECT_EQ(p.distributionType, 0);
}

TEST(BatchCommandLine, BadArgumentsAreRefusedWithTheirReason) {
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --rows"))).contains("needs a value"));
    EXPECT_TRUE(
        errorOf(parseBatchCommandLine(words("--batch --rows ten f"))).contains("not a number"));
    EXPECT_TRUE(
        errorOf(parseBatchCommandLine(words("--batch --stddev 1,5 f"))).contains("not a number"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --colour 3 f")))
                    .contains("unknown option --colour"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch"))).contains("one file name"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch a b"))).contains("one file name"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --rows 0 f"))).contains("rows"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --cols -4 f"))).contains("columns"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --corrx 0 f"))).contains("in x"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --corry -1 f"))).contains("in y"));
    EXPECT_TRUE(std::holds_alternative<BatchHelp>(parseBatchCommandLine(words("--help"))));
}

TEST(BatchCommandLine, NumbersTheirTypeCannotHoldAreOutOfRange) {
    EXPECT_EQ(errorOf(parseBatchCommandLine(words("--batch --rows 2147483648 f"))),
              QStringLiteral("--rows: \"2147483648\" is out of range (-2147483648 to 2147483647)"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --seed -99999999999 f")))
                    .contains("out of range"));
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --cols +2147483648 f")))
                    .contains("out of range"));
    EXPECT_EQ(errorOf(parseBatchCommandLine(words("--batch --stddev 1e400 f"))),
              QStringLiteral("--stddev: \"1e400\" is out of range"));
    // A text that is no number stays one, also when it starts like a number.
    EXPECT_TRUE(errorOf(parseBatchCommandLine(words("--batch --rows 99999999999x f")))
                    .contains("not a number"));
    EXPECT_TRUE(
        errorOf(parseBatchCommandLine(words("--batch --rows 1e3 f"))).contains("not a number"));
}

TEST(BatchCommandLine, TheJobWritesTheFieldAndDrawsProgressOnATerminal) {
    InTemporaryFolder folder;
    BatchJob job;
    job.parameters.fileName = folder.path(QStringLiteral("f.asc"));
    job.parameters.nrows = 30;
    job.parameters.ncols = 40;
    job.parameters.initValue = 5;
    std::FILE* errors = std::tmpfile();
    EXPECT_EQ(runBatchJob(job, errors, true), 0);
    std::rewind(errors);
    char text[4096] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, errors);
    std::fclose(errors);
    const QByteArray progress(text, qsizetype(length));
    EXPECT_TRUE(progress.contains("\r[########################################] 100%"));
    EXPECT_TRUE(progress.endsWith('\n'));
    const QByteArray grid = fileBytes(job.parameters.fileName);
    EXPECT_TRUE(grid.startsWith("ncols        40\r\nnrows        30\r\n"));
    EXPECT_EQ(grid.count('\n'), 36);
}

TEST(BatchCommandLine, AFieldThatCannotBeWrittenEndsWithStatusOneAndItsName) {
    InTemporaryFolder folder;
    const QString target = folder.path(QStringLiteral("no/such/folder/f.asc"));
    const ProgramRun run =
        runProgram({QStringLiteral("--batch"), QStringLiteral("--rows"), QStringLiteral("3"),
                    QStringLiteral("--cols"), QStringLiteral("3"), target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(target.toLocal8Bit())) << run.errors.constData();
    EXPECT_TRUE(run.errors.contains("could not be written"));
    // One line, without a progress bar to end when standard error is no terminal.
    EXPECT_TRUE(run.errors.startsWith("sorvek: ")) << run.errors.constData();
    EXPECT_EQ(run.errors.count('\n'), 1);
}

// Parameters whose field would be infinite, or too large for the machine, start no generator;
// a field whose values overflow all the same is not written and ends with status 1.
TEST(BatchCommandLine, FieldsThatCannotBeFiniteOrCannotFitAreNeverWritten) {
    InTemporaryFolder folder;
    const std::pair<const char*, const char*> cases[] = {
        {"--corrx 1e-310", "correlation length in x must be at least 1e-300"},
        {"--log --average 400", "must not exceed 308.25"},
        {"--log --stddev 1e308", "must not exceed 308.25"},
        {"--average 1e308 --stddev 1e308", "the field would be infinite"},
        {"--rows 1000000 --cols 1000000", "of memory, but this machine has"},
        {"--rows 2147483647 --cols 1", "of memory, but this machine has"},
    };
    for (const auto& [arguments, reason] : cases) {
        const ProgramRun run = runProgram(words("--batch --rows 20 --cols 20 --seed 3") +
                                          words(arguments) + QStringList{QStringLiteral("f.asc")});
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(run.errors.startsWith("sorvek: ")) << run.errors.constData();
        EXPECT_TRUE(run.errors.contains(reason)) << run.errors.constData();
        EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("f.asc")))) << arguments;
    }
    const ProgramRun huge = runProgram(words("--batch --rows 1000000 --cols 1000000 f.asc"));
    EXPECT_TRUE(huge.errors.contains("needs 8000056000048 bytes (7.3 TiB) of memory"))
        << huge.errors.constData();

    QFile old(folder.path(QStringLiteral("f.asc")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old grid");
    old.close();
    const ProgramRun overflow =
        runProgram(words("--batch --rows 30 --cols 30 --seed 3 --log --stddev 300 f.asc"));
    EXPECT_EQ(overflow.exitCode, 1);
    EXPECT_EQ(overflow.errors,
              "sorvek: " + fieldNotFiniteText(QStringLiteral("f.asc")).toUtf8() + "\n");
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("f.asc"))), QByteArray("old grid"));
}

TEST(BatchCommandLine, TheProgramRefusesBadParametersBeforeStarting) {
    InTemporaryFolder folder;
    const ProgramRun rows = runProgram(words("--batch --rows 0 f.asc"));
    EXPECT_EQ(rows.exitCode, 1);
    EXPECT_TRUE(rows.errors.contains("rows must be at least 1"));
    const ProgramRun corr = runProgram(words("--batch --corry 0 f.asc"));
    EXPECT_EQ(corr.exitCode, 1);
    EXPECT_TRUE(corr.errors.contains("correlation length in y"));
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("f.asc"))));
    const ProgramRun written = runProgram(words("--batch --rows 4 --cols 5 --seed 3 f.asc"));
    EXPECT_EQ(written.exitCode, 0);
    // Not a terminal: no progress bar.
    EXPECT_TRUE(written.errors.isEmpty()) << written.errors.constData();
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("f.asc"))));
}
