#include "RegistryValues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>

namespace {

const QString organisation = QStringLiteral("Tolmar-Tools");

// The folder that QSettings keeps a scope's files in, read from the name of the file it would
// use for an organisation that has none.
QString settingsFolder(QSettings::Scope scope) {
    const QSettings probe(scope, QStringLiteral("Tolmar-Tools folder probe"));
    return QFileInfo(probe.fileName()).path();
}

// The files QSettings opens for the suite's settings of `application` (none: the values
// shared by the suite) in `scope`: the user's come with the machine-wide ones as fallbacks.
QStringList settingsFiles(QSettings::Scope scope, const QString& application) {
    QList<QSettings::Scope> scopes{QSettings::SystemScope};
    if (scope == QSettings::UserScope) scopes.prepend(QSettings::UserScope);
    QStringList files;
    for (const QSettings::Scope each : scopes) {
        const QString folder = settingsFolder(each);
        if (!application.isEmpty())
            files << folder + QLatin1Char('/') + organisation + QLatin1Char('/') + application +
                         QStringLiteral(".conf");
        files << folder + QLatin1Char('/') + organisation + QStringLiteral(".conf");
    }
    return files;
}

// QSettings opens its files when it is made: a FIFO would hold the program for good, and a
// device or folder is no settings file. False, after saying so on standard error, when one of
// the files is there but is not a regular file; the settings are then left alone.
bool settingsFilesUsable(QSettings::Scope scope, const QString& application) {
    bool usable = true;
    for (const QString& file : settingsFiles(scope, application)) {
        const QFileInfo info(file);
        if (!info.exists() || info.isFile()) continue;
        const QString program = QCoreApplication::applicationName().isEmpty()
                                    ? organisation
                                    : QCoreApplication::applicationName();
        std::fprintf(stderr, "%s: the settings file \"%s\" is not a regular file; it is ignored\n",
                     qPrintable(program), qPrintable(file));
        usable = false;
    }
    return usable;
}

}  // namespace

QString RegistryValues::readMachineString(const QString& application, const QString& name) {
    if (!settingsFilesUsable(QSettings::SystemScope, application)) return {};
    const QSettings settings(QSettings::SystemScope, organisation, application);
    return settings.value(name).toString();
}

QString RegistryValues::readUserString(const QString& name) {
    if (!settingsFilesUsable(QSettings::UserScope, QString())) return {};
    const QSettings settings(QSettings::UserScope, organisation);
    return settings.value(name).toString();
}

void RegistryValues::writeUserString(const QString& name, const QString& value) {
    if (!settingsFilesUsable(QSettings::UserScope, QString())) return;
    QSettings settings(QSettings::UserScope, organisation);
    settings.setValue(name, value);
}
