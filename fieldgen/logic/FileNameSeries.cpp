#include "FileNameSeries.h"

QString nextFileName(const QString& fileName, int startedCount) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? QString() : fileName.left(dot + 1);
    return stem + QString::asprintf("%03d", startedCount);
}
