#pragma once
// Reading a settings file into a chart document, in the order the window has always read it
// (see SettingsReading.h). The caller reads the tables (reporting those that cannot be read)
// and shows the progress.
#include <QString>
#include <functional>
#include <memory>

#include "ChartDocument.h"
#include "IniFile.h"

struct SettingsReadingHooks {
    // The table at `path`, or null when it cannot be read (the caller has told the user).
    std::function<std::unique_ptr<FileContainer>(const QString& path)> readTable;
    std::function<void(const QString& caption, const QString& label, int count)> showProgress;
    std::function<void(int index)> setProgress;
    std::function<void()> closeProgress;
};

// Reads the settings of `ini` into `document`, adding the tables it names to those loaded.
// Returns the number of tables added.
int readSettingsIntoDocument(ChartDocument& document, const IniFile& ini,
                             const SettingsReadingHooks& hooks);
