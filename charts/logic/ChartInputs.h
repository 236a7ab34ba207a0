#pragma once
// Opening the paths of the command line or of the open dialog into a chart document: a path
// containing ".ini" is read as a settings file, any other is added as a result table.
#include <QString>
#include <QStringList>

#include "DocumentSettingsReading.h"

class UserDialogs;

// Caption of the box that reports a settings file that cannot be read or written.
inline const QString IniWriteErrorCaption = QStringLiteral("Ini-file write error");

// Reads the settings file at `path` (an empty path: the file written on close) into
// `document`. A file that cannot be read is reported and gives false.
bool readSettingsFileReporting(ChartDocument& document, const QString& path, UserDialogs& dialogs,
                               const SettingsReadingHooks& hooks);

// Opens each path in order. Returns the number of tables added.
int openChartPaths(ChartDocument& document, const QStringList& paths, UserDialogs& dialogs,
                   const SettingsReadingHooks& hooks);
