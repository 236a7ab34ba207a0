// The window started for a screenshot nobody watches: a message never waits for a click.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "TestFolder.h"

TEST(VistalScreenshot, ABadGridIsReportedOnStandardErrorAndThePictureIsTakenAllTheSame) {
    TestFolder folder;
    const QString bad = folder.write("bad.asc", "ncols 2\nnrows 2\nthis is no grid\n");
    const QString picture = folder.path("window.png");
    QProcess vistal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    vistal.setProcessEnvironment(environment);
    vistal.start(QStringLiteral(VISTAL_PROGRAM), {bad, "--screenshot", picture});
    const bool finished = vistal.waitForFinished(60000);
    if (!finished) vistal.kill();
    ASSERT_TRUE(finished) << "vistal waited for a click";
    EXPECT_EQ(vistal.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(vistal.readAllStandardError());
    // Qt may write its own warnings there too: the message is a line of its own.
    EXPECT_TRUE(errors.startsWith("vistal: format error: ") ||
                errors.contains("\nvistal: format error: "))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(bad)) << errors.toStdString();
    EXPECT_TRUE(QFileInfo(picture).size() > 0);
}
