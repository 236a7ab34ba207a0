// What `sorvek --batch` does with the file it is given, run as a script runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "FieldGenTesting.h"
#include "FileSizeLimit.h"
#include "PipeReader.h"
#include "ProgramRun.h"

namespace {

ProgramRun sorvek(const QString& target, const QString& rows = QStringLiteral("50")) {
    return runProgram(
        QStringLiteral(SORVEK_PROGRAM),
        {QStringLiteral("--batch"), QStringLiteral("--rows"), rows, QStringLiteral("--cols"),
         QStringLiteral("50"), QStringLiteral("--seed"), QStringLiteral("7"), target});
}

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool isCharacterDevice(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

}  // namespace

TEST(BatchOutput, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    InTemporaryFolder folder;
    const QString target = folder.path(QStringLiteral("field.asc"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old field");
    old.close();
    ProgramRun full;
    {
        const FileSizeLimit limit(4096);  // the field needs about 30 000 bytes
        full = sorvek(target);
    }
    // The file-size limit is known before the field is computed, so the run is refused then.
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_FALSE(full.crashed);
    EXPECT_TRUE(full.err.contains("there is room for 4096 bytes")) << full.err.constData();
    EXPECT_EQ(fileBytes(target), "the old field");
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"field.asc"}));

    const QString missingTarget = folder.path(QStringLiteral("no/folder/field.asc"));
    const ProgramRun missing = sorvek(missingTarget);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.crashed);
    EXPECT_TRUE(missing.err.contains("could not be written to " + missingTarget.toLocal8Bit()))
        << missing.err.constData();
    EXPECT_TRUE(missing.err.contains(systemText(ENOENT).toLocal8Bit())) << missing.err.constData();
}

TEST(BatchOutput, PipesAreWrittenIntoAndLinksFollowed) {
    InTemporaryFolder folder;
    const QString pipe = folder.path(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReader reader(QFile::encodeName(pipe).toStdString());
    const ProgramRun toPipe = sorvek(pipe);
    const QByteArray received = QByteArray::fromStdString(reader.finish());
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err.constData();
    EXPECT_TRUE(received.startsWith("ncols        50\r\nnrows        50\r\n"));
    EXPECT_EQ(received.count('\n'), 56);
    EXPECT_FALSE(QFileInfo(pipe).isFile());

    ASSERT_TRUE(QFile::link(QStringLiteral("real.asc"), folder.path(QStringLiteral("link.asc"))));
    EXPECT_EQ(sorvek(folder.path(QStringLiteral("link.asc"))).exitCode, 0);
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("link.asc"))).isSymLink());
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("real.asc"))), received);
}

TEST(BatchOutput, DevicesAreWrittenIntoAndNeverReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
    InTemporaryFolder folder;
    const QString null = folder.path(QStringLiteral("null"));
    const QString full = folder.path(QStringLiteral("full"));
    ASSERT_EQ(::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_EQ(sorvek(null).exitCode, 0);
    EXPECT_TRUE(isCharacterDevice(null));
    const ProgramRun toFull = sorvek(full);
    EXPECT_EQ(toFull.exitCode, 1);
    EXPECT_TRUE(toFull.err.contains(systemText(ENOSPC).toLocal8Bit())) << toFull.err.constData();
    EXPECT_TRUE(isCharacterDevice(full));
}
