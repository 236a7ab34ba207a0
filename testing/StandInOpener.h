#pragma once
// A stand-in for the desktop's opener: an executable "xdg-open" in a temporary folder put first
// on the search path. It records every file it is asked to open and ends with the exit status
// the test chose. With `Missing` the search path holds no opener at all.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class StandInOpener {
public:
    enum OnPath { Present, Missing };

    explicit StandInOpener(OnPath onPath = Present, int exitStatus = 0)
        : savedPath_(qgetenv("PATH")) {
        const bool present = onPath == Present;
        if (present) {
            QFile script(folder_.filePath(QStringLiteral("xdg-open")));
            script.open(QIODevice::WriteOnly);
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\nexit %2\n")
                             .arg(folder_.filePath(QStringLiteral("opened.txt")))
                             .arg(exitStatus)
                             .toLocal8Bit());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = QFile::encodeName(folder_.path());
        qputenv("PATH", present ? path + ':' + savedPath_ : path);
    }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;
    ~StandInOpener() { qputenv("PATH", savedPath_); }

    // The files the opener was asked to open so far, one per call.
    QStringList opened() const {
        QFile record(folder_.filePath(QStringLiteral("opened.txt")));
        if (!record.open(QIODevice::ReadOnly)) return {};
        return QString::fromLocal8Bit(record.readAll())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
};

// Handles events until `done` holds or `milliseconds` passed; whether it held.
inline bool handleEventsUntil(const std::function<bool()>& done, int milliseconds = 10000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
