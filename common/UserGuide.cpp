#include "UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "CommandProcessor.h"
#include "DesktopOpener.h"
#include "RegistryValues.h"
#include "UserDialogs.h"

namespace {

// The guide's folder from the bin folder of an installed program; set by the build from the
// install layout.
#ifndef TOLMAR_GUIDE_FROM_BINDIR
#define TOLMAR_GUIDE_FROM_BINDIR "../share/doc/tolmar-tools/guide"
#endif

QString pageIn(const QString& programFolder, const QString& guideFolder, const QString& page) {
    return QDir::cleanPath(QDir(programFolder).filePath(guideFolder + QLatin1Char('/') + page));
}

const QString helpCaption = QStringLiteral("Help");

}  // namespace

QString UserGuide::installedPage(const QString& page, const QString& programFolder) {
    return pageIn(programFolder, QStringLiteral(TOLMAR_GUIDE_FROM_BINDIR), page);
}

QString UserGuide::findPage(const QString& page, const QString& programFolder) {
    for (const QString& file : {installedPage(page, programFolder),
                                pageIn(programFolder, QStringLiteral("../docs/guide"), page)}) {
        if (QFileInfo(file).isFile()) return file;
    }
    return {};
}

void UserGuide::open(const QString& page, QObject* context, UserDialogs& dialogs) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString file = findPage(page, programFolder);
    if (file.isEmpty()) {
        dialogs.message(QStringLiteral("The user guide is not installed.\nIt belongs at\n%1")
                            .arg(installedPage(page, programFolder)),
                        helpCaption);
        return;
    }
    openWithDesktop(file, context, [&dialogs, file] {
        dialogs.message(
            QStringLiteral("No program to show the user guide was found.\nThe guide is at\n%1")
                .arg(file),
            helpCaption);
    });
}

void UserGuide::openHelp(const QString& program, const QString& page,
                         bool (*quoted)(const QString& command), QObject* context,
                         UserDialogs& dialogs, CommandProcessor& commands) {
    QString command = RegistryValues::readMachineString(program, QStringLiteral("HelpCommand"));
    if (command.isEmpty()) {
        open(page, context, dialogs);
        return;
    }
    if (quoted(command)) command = QLatin1Char('"') + command + QLatin1Char('"');
    commands.run(command);
}
