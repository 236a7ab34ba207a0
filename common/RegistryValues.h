#pragma once
#include <QString>

// String values the programs keep in the system's settings store: read-only
// machine-wide values per program, and user values shared by the suite.
//
// A settings file that is there but is not a regular file (a FIFO, a device, a folder) is
// never opened: its values read as empty, nothing is written, and standard error says why.
namespace RegistryValues {

// Machine-wide value of the program `application` ("Vistal", "Linara");
// empty when the key or the value is missing. Never creates anything.
QString readMachineString(const QString& application, const QString& name);

QString readUserString(const QString& name);
void writeUserString(const QString& name, const QString& value);

}  // namespace RegistryValues
