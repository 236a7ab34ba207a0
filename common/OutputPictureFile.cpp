// The picture write apart from the file device, so that programs that write no pictures do not
// need the GUI library.
#include <QBuffer>
#include <QByteArray>

#include "OutputFileDevice.h"

QString writePictureFile(const QString& path, const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, format))
        return QStringLiteral("the picture could not be encoded as %1")
            .arg(QString::fromLatin1(format));
    return writeFileBytes(path, bytes);
}
