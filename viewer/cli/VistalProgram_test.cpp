// The command-line jobs as a script meets them: the built program, its exit status and its
// messages, with standard output or the written file failing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstring>

#include "FileSizeLimit.h"
#include "PipeReader.h"
#include "ProgramRun.h"
#include "TestFolder.h"

namespace {

ProgramRun vistal(const QStringList& arguments, const QString& standardOutput = {}) {
    return runProgram(QStringLiteral(VISTAL_PROGRAM), arguments,
                      {.standardOutput = standardOutput});
}

QByteArray systemText(int error) { return QByteArray(std::strerror(error)); }

QByteArray asciiGrid(int rows, int cols) {
    QByteArray text = "ncols " + QByteArray::number(cols) + "\nnrows " + QByteArray::number(rows) +
                      "\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) text += QByteArray::number(r * cols + c) + " ";
        text += "\n";
    }
    return text;
}

QStringList entries(const TestFolder& folder) {
    return QDir(folder.path("."))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(VistalProgram, AJobWhoseStandardOutputCannotBeWrittenFails) {
    TestFolder folder;
    const QString grid = folder.write("g.asc", asciiGrid(60, 60));
    const ProgramRun info = vistal({"--info", grid, "--values"}, "/dev/full");
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_TRUE(info.err.contains("standard output could not be written: " + systemText(ENOSPC)))
        << info.err.constData();
    // Short output too, which waits in a buffer until the program ends.
    const ProgramRun header = vistal({"--info", grid}, "/dev/full");
    EXPECT_EQ(header.exitCode, 1);
    EXPECT_TRUE(header.err.contains(systemText(ENOSPC))) << header.err.constData();
    EXPECT_EQ(vistal({"--help"}, "/dev/full").exitCode, 1);
    const ProgramRun written = vistal({"--info", grid}, "/dev/null");
    EXPECT_EQ(written.exitCode, 0) << written.err.constData();
}

TEST(VistalProgram, ARenderThatCannotBeWrittenKeepsTheOldPictureAndSaysWhy) {
    TestFolder folder;
    const QString grid = folder.write("g.asc", asciiGrid(30, 40));
    const QString picture = folder.write("g.png", "an older picture");
    ProgramRun render;
    {
        const FileSizeLimit limit(1000);
        render = vistal({"--render", grid, picture});
    }
    EXPECT_EQ(render.exitCode, 1);
    EXPECT_FALSE(render.crashed);
    EXPECT_TRUE(render.err.contains(FileSizeLimit::reason().toLocal8Bit()))
        << render.err.constData();
    EXPECT_EQ(fileBytes(picture), "an older picture");
    EXPECT_EQ(entries(folder), QStringList({"g.asc", "g.png"}));

    const ProgramRun missing = vistal({"--render", grid, folder.path("no/g.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(systemText(ENOENT))) << missing.err.constData();

    // Through a link: the picture it points at is replaced, the link stays.
    ASSERT_TRUE(QFile::link("g.png", folder.path("latest.png")));
    ASSERT_EQ(vistal({"--render", grid, folder.path("latest.png"), "--size", "300x200"}).exitCode,
              0);
    EXPECT_TRUE(QFileInfo(folder.path("latest.png")).isSymLink());
    EXPECT_FALSE(QImage(picture).isNull());
}

TEST(VistalProgram, ASuccessfulRenderSaysNothingOnStandardError) {
    TestFolder folder;
    const QString grid = folder.write("g.asc", asciiGrid(30, 40));
    for (const QStringList& options : {QStringList{}, QStringList{"--gradients"}}) {
        const ProgramRun render =
            vistal(QStringList{"--render", grid, folder.path("g.png")} + options);
        EXPECT_EQ(render.exitCode, 0) << render.err.constData();
        EXPECT_TRUE(render.err.isEmpty()) << render.err.constData();
        EXPECT_EQ(render.out.trimmed(), folder.path("g.png").toLocal8Bit());
        EXPECT_FALSE(QImage(folder.path("g.png")).isNull());
    }
}

TEST(VistalProgram, ConvertWritesIntoPipesAndDevicesAndNeverReplacesThem) {
    TestFolder folder;
    const QString grid = folder.write("g.asc", asciiGrid(3, 4));
    const QString pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReader reader(QFile::encodeName(pipe).toStdString());
    const ProgramRun toPipe = vistal({"--convert", grid, pipe});
    const QByteArray received = QByteArray::fromStdString(reader.finish());
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err.constData();
    EXPECT_TRUE(received.startsWith("ncols")) << received.constData();
    EXPECT_FALSE(QFileInfo(pipe).isFile());

    if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
    const QString null = folder.path("null");
    const QString full = folder.path("full");
    ASSERT_EQ(::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_EQ(vistal({"--convert", grid, null}).exitCode, 0);
    const ProgramRun toFull = vistal({"--convert", grid, full, "--to", "double"});
    EXPECT_EQ(toFull.exitCode, 1);
    EXPECT_TRUE(toFull.err.contains(systemText(ENOSPC))) << toFull.err.constData();
    for (const QString& device : {null, full}) {
        struct stat status {};
        ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)) << device.toStdString();
    }
}
