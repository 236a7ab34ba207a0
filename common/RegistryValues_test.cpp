#include "RegistryValues.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

TEST(RegistryValues, MachineValuesAreReadAndUserValuesRoundTrip) {
    QTemporaryDir dir;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::SystemScope, dir.path() + "/system");
        QSettings::setPath(format, QSettings::UserScope, dir.path() + "/user");
    }

    EXPECT_EQ(RegistryValues::readMachineString("Vistal", "HelpCommand"), QString());
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Vistal");
        machine.setValue("HelpCommand", "xdg-open /usr/share/doc/vistal.html");
    }
    EXPECT_EQ(RegistryValues::readMachineString("Vistal", "HelpCommand"),
              "xdg-open /usr/share/doc/vistal.html");

    RegistryValues::writeUserString("PalettePath", "/tmp/palettes");
    EXPECT_EQ(RegistryValues::readUserString("PalettePath"), "/tmp/palettes");
}
