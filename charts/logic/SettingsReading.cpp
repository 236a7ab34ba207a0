#include "SettingsReading.h"

#include <algorithm>
#include <utility>
#include <vector>

int readSettingsInto(SettingsWindow& window, const IniFile& ini, const ChartSettings& current) {
    const ChartSettings settings = readChartKeys(ini, current);
    window.applyChartHead(settings);

    const std::vector<SettingsTable> sections = settingsTables(ini);
    const int count = std::max(0, ini.ReadInteger("Chart", "NumFiles", 0));
    // The table appended for each section, so that the second pass sets the keys of a
    // section on exactly that table.
    std::vector<std::pair<int, FileContainer*>> added;
    window.showProgress(ReadProgressCaption, ReadProgressLabel, count);
    for (const SettingsTable& section : sections) {
        FileContainer* table = window.addTable(section.fileName);
        if (table) {
            table->EntityName = section.entityName.toStdString();
            applySeriesSettings(ini, section.section, *table);
            window.showTable(*table);
            added.emplace_back(section.section, table);
        }
        window.setProgress(section.section);
    }
    window.closeProgress();

    window.applyChartTail(settings);

    window.showProgress(ReadProgressCaption, ReadProgressLabel, count);
    for (const auto& [section, table] : added) {
        applySeriesSettings(ini, section, *table);
        window.applySeriesLooks(*table);
        window.setProgress(section);
    }
    window.closeProgress();
    return static_cast<int>(added.size());
}
