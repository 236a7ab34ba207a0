// The linara program as users start it: --info loads no GUI library; the window and pictures
// come from the program's module.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ProgramRun.h"
#include "TableTestFiles.h"

namespace {

ProgramRun linara(const QStringList& arguments, bool traceLibraries = false) {
    return runProgram(QStringLiteral(LINARA_PROGRAM), arguments,
                      {.traceLibraries = traceLibraries});
}

QString writeTable(const QTemporaryDir& folder) {
    const QString path = folder.filePath("runoff.txt");
    QFile file(path);
    const std::string text =
        tableText("YY MM DD HH Q1 Q2", "01 1 1 0 1.5 2\n01 1 1 1 2.5 -9999\n01 1 1 2 3.5 4\n");
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
    return path;
}

}  // namespace

TEST(LinaraProgram, InfoLoadsNoGuiLibrary) {
    QTemporaryDir folder;
    const ProgramRun info = linara({"--info", writeTable(folder)}, true);
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("\"nulls\": 1")) << info.out.toStdString();
    const QStringList libraries = loadedLibraries(info);
    for (const char* unused : {"libQt6Gui", "libQt6Widgets", "libQCustomPlot", "linara-window"})
        EXPECT_FALSE(loadsLibrary(libraries, unused)) << unused;
}

TEST(LinaraProgram, TheWindowAndPicturesComeFromTheWindowModule) {
    QTemporaryDir folder;
    const QString table = writeTable(folder);
    const ProgramRun render =
        linara({"--render", table, folder.filePath("chart.png"), "--size", "300x200"});
    ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
    EXPECT_EQ(QImage(folder.filePath("chart.png")).size(), QSize(300, 200));
    const ProgramRun window = linara({table, "--screenshot", folder.filePath("window.png")});
    ASSERT_EQ(window.exitCode, 0) << window.err.toStdString();
    EXPECT_EQ(QImage(folder.filePath("window.png")).size(), QSize(1309, 818));
}

TEST(LinaraProgram, AMissingModuleIsReportedByName) {
    QTemporaryDir folder;
    const QString alone = folder.filePath("linara");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LINARA_PROGRAM), alone));
    const ProgramRun window = runProgram(alone, {});
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_TRUE(window.err.startsWith("linara: linara-window.so is missing"))
        << window.err.toStdString();
    EXPECT_EQ(runProgram(alone, {"--info", writeTable(folder)}).exitCode, 0);
}
