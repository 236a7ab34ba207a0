// The window started for a screenshot nobody watches: a message never waits for a click.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "ProgramRun.h"
#include "TestFolder.h"

TEST(LinaraScreenshot, ABadTableIsReportedOnStandardErrorAndThePictureIsTakenAllTheSame) {
    TestFolder folder;
    const QString bad = folder.write("bad.txt", "no table at all\n");
    const QString picture = folder.path("window.png");
    const ProgramRun run =
        runProgram(QStringLiteral(LINARA_PROGRAM), {bad, "--screenshot", picture},
                   {.workingDirectory = folder.path(".")});
    ASSERT_NE(run.exitCode, -1) << "linara waited for a click";
    EXPECT_EQ(run.exitCode, 1);
    const QString errors = QString::fromLocal8Bit(run.err);
    EXPECT_TRUE(errors.contains("linara: wrong file format: Error: The input file cannot"))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(bad)) << errors.toStdString();
    EXPECT_TRUE(QFileInfo(picture).size() > 0);
}
