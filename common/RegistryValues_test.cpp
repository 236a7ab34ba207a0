#include "RegistryValues.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "FifoWatch.h"

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

TEST(RegistryValues, SettingsFilesThatAreNoRegularFilesAreNeverOpened) {
    QTemporaryDir dir;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::SystemScope, dir.path() + "/system");
        QSettings::setPath(format, QSettings::UserScope, dir.path() + "/user");
    }
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/user"));
    const FifoWatch fifo(dir.path() + "/user/Tolmar-Tools.conf");
    ASSERT_TRUE(fifo.made());
    testing::internal::CaptureStderr();
    EXPECT_EQ(RegistryValues::readUserString("PalettePath"), QString());
    RegistryValues::writeUserString("PalettePath", "/tmp/palettes");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fifo.opened());
    EXPECT_TRUE(fifo.stillAFifo());
    EXPECT_NE(said.find("/user/Tolmar-Tools.conf\" is not a regular file"), std::string::npos)
        << said;

    // A folder where the machine-wide file of a program belongs is passed over alike.
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/system/Tolmar-Tools/Vistal.conf"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(RegistryValues::readMachineString("Vistal", "HelpCommand"), QString());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Vistal.conf"), std::string::npos);
}
