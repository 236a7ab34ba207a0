// Linara's jobs without a window as a script meets them: the built program, its exit status and
// its messages, with standard output or the picture failing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "FileSizeLimit.h"
#include "PipeReader.h"
#include "ProgramRun.h"
#include "TableTestFiles.h"
#include "TestFolder.h"

namespace {

ProgramRun linara(const QStringList& arguments, const QString& standardOutput = {}) {
    return runProgram(QStringLiteral(LINARA_PROGRAM), arguments,
                      {.standardOutput = standardOutput});
}

QByteArray hourlyRows(int count) {
    std::string rows;
    for (int r = 0; r < count; ++r)
        rows += "2001 1 " + std::to_string(1 + r / 24) + " " + std::to_string(r % 24) + " " +
                std::to_string(r * 0.25) + "\n";
    return QByteArray::fromStdString(tableText("YYYY MM DD HH Flow", rows));
}

}  // namespace

TEST(LinaraProgram, AJobWhoseStandardOutputCannotBeWrittenFails) {
    TestFolder folder;
    const QString table = folder.write("t.txt", hourlyRows(2000));
    const ProgramRun values = linara({"--info", table, "--values"}, "/dev/full");
    EXPECT_EQ(values.exitCode, 1);
    EXPECT_TRUE(values.err.contains("standard output could not be written: " +
                                    QByteArray(std::strerror(ENOSPC))))
        << values.err.constData();
    EXPECT_EQ(linara({"--info", table}, "/dev/full").exitCode, 1);
    EXPECT_EQ(linara({"--help"}, "/dev/full").exitCode, 1);
    EXPECT_EQ(linara({"--info", table, "--values"}, "/dev/null").exitCode, 0);
}

TEST(LinaraProgram, APictureThatCannotBeWrittenKeepsTheOldOneAndSaysWhy) {
    TestFolder folder;
    const QString table = folder.write("t.txt", hourlyRows(100));
    for (const QString name : {"c.png", "c.pdf", "c.svg"}) {
        const QString picture = folder.write(name, "an older picture");
        ProgramRun render;
        {
            const FileSizeLimit limit(200);
            render = linara({"--render", table, picture});
        }
        EXPECT_EQ(render.exitCode, 1) << name.toStdString();
        EXPECT_FALSE(render.crashed);
        EXPECT_TRUE(render.err.contains(FileSizeLimit::reason().toLocal8Bit()))
            << render.err.constData();
        EXPECT_EQ(fileBytes(picture), "an older picture");
    }
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"c.pdf", "c.png", "c.svg", "t.txt"}));

    // A pipe gets the picture and stays a pipe.
    const QString pipe = folder.path("pipe.svg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReader reader(QFile::encodeName(pipe).toStdString());
    const ProgramRun toPipe = linara({"--render", table, pipe});
    const QByteArray received = QByteArray::fromStdString(reader.finish());
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err.constData();
    EXPECT_TRUE(received.contains("<svg"));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

TEST(LinaraProgram, APictureJobThatSucceedsSaysNothing) {
    TestFolder folder;
    const QString table = folder.write("t.txt", hourlyRows(100));
    const QString settings =
        folder.write("c.ini", "[Chart]\nNumFiles=1\n[File0]\nFileName=" + table.toUtf8() + "\n");
    for (const QString name : {"c.png", "c.pdf", "c.svg"}) {
        const ProgramRun render = linara({"--render", table, settings, folder.path(name)});
        EXPECT_EQ(render.exitCode, 0) << name.toStdString();
        EXPECT_EQ(render.err, QByteArray()) << name.toStdString();
        EXPECT_GT(QFileInfo(folder.path(name)).size(), 0);
    }
}

TEST(LinaraProgram, ExportWritesTheDrawnSeriesAsCsv) {
    TestFolder folder;
    const QString table = folder.write(
        "t.txt", QByteArray::fromStdString(tableText("YYYY MM DD HH A B",
                                                     "2001 1 31 0 0.1 1\n2001 1 31 1 -9999 2\n"
                                                     "2001 1 31 2 3 3\n2001 1 31 3 4 4\n")));
    // A table alone: its last column over every date.
    const QString csv = folder.path("out.csv");
    ProgramRun run = linara({"--export", table, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(fileBytes(csv),
              "Date,Flow_at_the_outlet: B\n"
              "2001-01-31T00:00:00,1\n2001-01-31T01:00:00,2\n"
              "2001-01-31T02:00:00,3\n2001-01-31T03:00:00,4\n");

    // A settings file: its checked series over the view it stores.
    const QString settings = folder.write(
        "c.ini", "[Chart]\nNumFiles=1\nXAxisMin=36922.04\nXAxisMax=36922.09\n[File0]\nFileName=" +
                     table.toUtf8() +
                     "\nEntityName=Flow\nFile0series0Visible=1\nFile0series1Visible=0\n");
    run = linara({"--export", settings, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(fileBytes(csv).toStdString(),
              "Date,Flow: A\n2001-01-31T01:00:00,\n2001-01-31T02:00:00,3\n");
}

TEST(LinaraProgram, AnExportThatFailsSaysWhyAndKeepsTheOldFile) {
    TestFolder folder;
    const QString table = folder.write("t.txt", hourlyRows(100));
    const QString unwritable = folder.path("no such folder/out.csv");
    ProgramRun run = linara({"--export", table, unwritable});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.crashed);
    EXPECT_TRUE(run.err.startsWith("linara: " + unwritable.toUtf8() + " could not be written: "))
        << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(unwritable));

    const QString old = folder.write("old.csv", "an older export");
    {
        const FileSizeLimit limit(200);
        run = linara({"--export", table, old});
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(FileSizeLimit::reason().toLocal8Bit())) << run.err.constData();
    EXPECT_EQ(fileBytes(old), "an older export");
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"old.csv", "t.txt"}));

    // A table that cannot be read: reported, nothing written.
    const QString bad = folder.write("bad.txt", "no table\n");
    run = linara({"--export", bad, folder.path("new.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("bad.txt")) << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(folder.path("new.csv")));
}
