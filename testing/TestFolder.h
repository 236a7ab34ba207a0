#pragma once
// Files of a test in a temporary folder that is removed with it.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TestFolder {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
        return file.fileName();
    }

private:
    QTemporaryDir dir_;
};

inline QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
