#pragma once
#include <QString>

// String values the programs keep in the system's settings store: read-only
// machine-wide values per program, and user values shared by the suite.
namespace RegistryValues {

// Machine-wide value of the program `application` ("Vistal", "Linara");
// empty when the key or the value is missing. Never creates anything.
QString readMachineString(const QString& application, const QString& name);

QString readUserString(const QString& name);
void writeUserString(const QString& name, const QString& value);

}  // namespace RegistryValues
