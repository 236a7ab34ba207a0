#pragma once
// Qt's side of tolmar::OutputFile: a device that writers built on QIODevice write into, and the
// whole-file and picture writes of the programs.
#include <QByteArrayView>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <memory>

#include "OutputFile.h"

class OutputFileDevice : public QIODevice {
public:
    explicit OutputFileDevice(const QString& target);
    ~OutputFileDevice() override;

    // Opens the target (WriteOnly); false with the reason in errorString() when it cannot be.
    bool open(OpenMode mode) override;
    // Makes what was written the target's content (see OutputFile::commit); closes the device.
    // False with the reason in errorString() when any write or this step failed.
    bool commit();
    // Closes without committing: a temporary file goes, the target stays as it was.
    void close() override;
    bool isSequential() const override { return true; }
    // True when the target is a pipe or device written into directly: a failure may then have
    // passed part of the bytes on.
    bool direct() const { return direct_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    QString target_;
    std::unique_ptr<tolmar::OutputFile> file_;
    bool direct_ = false;
};

// Writes `bytes` as the whole content of `path`. Empty on success, otherwise the reason.
QString writeFileBytes(const QString& path, QByteArrayView bytes);

// Writes `picture` to `path` in `format` ("PNG", ...). Empty on success, otherwise the reason.
QString writePictureFile(const QString& path, const QImage& picture, const char* format = "PNG");
