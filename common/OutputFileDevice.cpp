#include "OutputFileDevice.h"

#include <QFile>

namespace {

std::string nativeName(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString reasonOf(const tolmar::OutputFile& file) {
    return QString::fromLocal8Bit(file.reason().c_str());
}

}  // namespace

OutputFileDevice::OutputFileDevice(const QString& target) : target_(target) {}

OutputFileDevice::~OutputFileDevice() { close(); }

bool OutputFileDevice::open(OpenMode mode) {
    if ((mode & ReadOnly) != 0 || (mode & WriteOnly) == 0) {
        setErrorString(QStringLiteral("only writing is possible"));
        return false;
    }
    file_ = std::make_unique<tolmar::OutputFile>(nativeName(target_));
    if (file_->failed()) {
        setErrorString(reasonOf(*file_));
        file_.reset();
        return false;
    }
    direct_ = file_->direct();
    return QIODevice::open(mode | Unbuffered);
}

qint64 OutputFileDevice::writeData(const char* data, qint64 size) {
    if (!file_ || !file_->write(std::string_view(data, static_cast<std::size_t>(size)))) {
        if (file_) setErrorString(reasonOf(*file_));
        return -1;
    }
    return size;
}

bool OutputFileDevice::commit() {
    if (!file_) return false;
    const bool committed = file_->commit();
    if (!committed) setErrorString(reasonOf(*file_));
    file_.reset();
    QIODevice::close();
    return committed;
}

void OutputFileDevice::close() {
    if (file_) file_->discard();
    file_.reset();
    if (isOpen()) QIODevice::close();
}

QString writeFileBytes(const QString& path, QByteArrayView bytes) {
    const std::string reason = tolmar::writeWholeFile(
        nativeName(path), std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    return QString::fromLocal8Bit(reason.c_str());
}
