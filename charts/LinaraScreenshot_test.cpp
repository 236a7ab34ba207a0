// The window started for a screenshot nobody watches: a message never waits for a click.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "TestFolder.h"

TEST(LinaraScreenshot, ABadTableIsReportedOnStandardErrorAndThePictureIsTakenAllTheSame) {
    TestFolder folder;
    const QString bad = folder.write("bad.txt", "no table at all\n");
    const QString picture = folder.path("window.png");
    QProcess linara;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    linara.setProcessEnvironment(environment);
    linara.setWorkingDirectory(folder.path("."));
    linara.start(QStringLiteral(LINARA_PROGRAM), {bad, "--screenshot", picture});
    const bool finished = linara.waitForFinished(60000);
    if (!finished) linara.kill();
    ASSERT_TRUE(finished) << "linara waited for a click";
    EXPECT_EQ(linara.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(linara.readAllStandardError());
    EXPECT_TRUE(errors.contains("linara: wrong file format: Error: The input file cannot"))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(bad)) << errors.toStdString();
    EXPECT_TRUE(QFileInfo(picture).size() > 0);
}
