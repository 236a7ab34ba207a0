#include "ChartInputs.h"

#include <QCoreApplication>
#include <QDir>

#include "UserDialogs.h"

bool readSettingsFileReporting(ChartDocument& document, const QString& path, UserDialogs& dialogs,
                               const SettingsReadingHooks& hooks) {
    const QString file =
        openingSettingsPath(path, QCoreApplication::applicationFilePath(), QDir::currentPath());
    try {
        readSettingsIntoDocument(document, IniFile::load(file), hooks);
        return true;
    } catch (const IniFileError& error) {
        dialogs.message(QString::fromStdString(error.what()), IniWriteErrorCaption);
        return false;
    }
}

int openChartPaths(ChartDocument& document, const QStringList& paths, UserDialogs& dialogs,
                   const SettingsReadingHooks& hooks) {
    const int before = document.tableCount();
    for (const QString& path : paths) {
        if (isSettingsPath(path)) {
            readSettingsFileReporting(document, path, dialogs, hooks);
        } else if (std::unique_ptr<FileContainer> table = hooks.readTable(path)) {
            document.addTable(std::move(table));
        }
    }
    return document.tableCount() - before;
}
