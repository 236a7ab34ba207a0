#include "RegistryValues.h"

#include <QSettings>

namespace {
const QString organisation = QStringLiteral("Tolmar-Tools");
}

QString RegistryValues::readMachineString(const QString& application, const QString& name) {
    const QSettings settings(QSettings::SystemScope, organisation, application);
    return settings.value(name).toString();
}

QString RegistryValues::readUserString(const QString& name) {
    const QSettings settings(QSettings::UserScope, organisation);
    return settings.value(name).toString();
}

void RegistryValues::writeUserString(const QString& name, const QString& value) {
    QSettings settings(QSettings::UserScope, organisation);
    settings.setValue(name, value);
}
