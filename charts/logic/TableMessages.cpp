#include "TableMessages.h"

QString tableReadMessage(const QString& path, const QString& reason) {
    if (reason.contains(path)) return reason;
    return reason + QStringLiteral("\nFile: ") + path;
}
