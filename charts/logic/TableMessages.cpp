#include "TableMessages.h"

#include <new>

#include "TableFormatError.h"
#include "UserDialogs.h"

QString tableReadMessage(const QString& path, const QString& reason) {
    if (reason.contains(path)) return reason;
    return reason + QStringLiteral("\nFile: ") + path;
}

std::unique_ptr<FileContainer> readTableReporting(const QString& path, UserDialogs& dialogs,
                                                  const TableProgress& progress) {
    const QString caption = QStringLiteral("wrong file format");
    try {
        return std::make_unique<FileContainer>(path.toStdString(), progress);
    } catch (const TableReadError& error) {
        dialogs.message(tableReadMessage(path, QString::fromStdString(error.what())), caption);
    } catch (const std::bad_alloc&) {
        dialogs.message(QStringLiteral("Not enough memory to read ") + path, caption);
    }
    return nullptr;
}
