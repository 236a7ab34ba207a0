#include "OutputFileDevice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>

#include "FileSizeLimit.h"
#include "PipeReader.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(OutputFileDevice, WritersOnQIODeviceReplaceTheTargetOnlyOnCommit) {
    QTemporaryDir dir;
    const QString target = dir.filePath("grid.asc");
    ASSERT_EQ(writeFileBytes(target, "old"), QString());
    {
        OutputFileDevice device(target);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        EXPECT_EQ(device.write("new text"), 8);
        EXPECT_EQ(readBytes(target), "old");
        ASSERT_TRUE(device.commit());
        EXPECT_FALSE(device.isOpen());
    }
    EXPECT_EQ(readBytes(target), "new text");
    {
        // Closed without a commit: the target stays.
        OutputFileDevice device(target);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        device.write("dropped");
        device.close();
    }
    EXPECT_EQ(readBytes(target), "new text");
    {
        const FileSizeLimit limit(100);
        OutputFileDevice device(target);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        EXPECT_EQ(device.write(QByteArray(1000, 'x')), -1);
        EXPECT_EQ(device.errorString(), FileSizeLimit::reason());
        EXPECT_FALSE(device.commit());
        EXPECT_EQ(device.errorString(), FileSizeLimit::reason());
    }
    EXPECT_EQ(readBytes(target), "new text");
    EXPECT_EQ(entries(dir), QStringList({"grid.asc"}));

    OutputFileDevice missing(dir.filePath("no/such/folder/grid.asc"));
    EXPECT_FALSE(missing.open(QIODevice::WriteOnly));
    EXPECT_EQ(missing.errorString(), QString::fromLocal8Bit(std::strerror(ENOENT)));
}

TEST(OutputFileDevice, PicturesAreWrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString target = dir.filePath("picture.png");
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_EQ(writePictureFile(target, picture), QString());
    EXPECT_EQ(QImage(target).size(), picture.size());
    const QByteArray written = readBytes(target);

    QImage noise(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, qRgb(x * 7, y * 13, x ^ y));
    {
        const FileSizeLimit limit(written.size() + 10);
        EXPECT_EQ(writePictureFile(target, noise), FileSizeLimit::reason());
    }
    EXPECT_EQ(readBytes(target), written);
    EXPECT_FALSE(writePictureFile(target, QImage()).isEmpty());
    EXPECT_EQ(entries(dir), QStringList({"picture.png"}));

    // A pipe receives the picture and stays a pipe.
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReader reader(QFile::encodeName(pipe).toStdString());
    EXPECT_EQ(writePictureFile(pipe, picture), QString());
    const QByteArray received = QByteArray::fromStdString(reader.finish());
    EXPECT_EQ(received, written);
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
}
