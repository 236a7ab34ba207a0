// The window started for a screenshot nobody watches: a message never waits for a click.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "ProgramRun.h"
#include "TestFolder.h"

TEST(VistalScreenshot, ABadGridIsReportedOnStandardErrorAndThePictureIsTakenAllTheSame) {
    TestFolder folder;
    const QString bad = folder.write("bad.asc", "ncols 2\nnrows 2\nthis is no grid\n");
    const QString picture = folder.path("window.png");
    const ProgramRun run =
        runProgram(QStringLiteral(VISTAL_PROGRAM), {bad, "--screenshot", picture});
    ASSERT_NE(run.exitCode, -1) << "vistal waited for a click";
    EXPECT_EQ(run.exitCode, 1);
    const QString errors = QString::fromLocal8Bit(run.err);
    // Qt may write its own warnings there too: the message is a line of its own.
    EXPECT_TRUE(errors.startsWith("vistal: format error: ") ||
                errors.contains("\nvistal: format error: "))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(bad)) << errors.toStdString();
    EXPECT_TRUE(QFileInfo(picture).size() > 0);
}
