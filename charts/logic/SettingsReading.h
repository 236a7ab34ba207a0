#pragma once
// Reading a settings file into the window, in the window's order: the chart keys, a first
// pass that opens each table, the axis limits, date edits and legend, then a second pass that
// sets every series' colour and visible flag again (attaching a series in the first pass
// gave it the colour of its style entry). The window does the steps that touch controls.
#include <QString>

#include "ChartSettings.h"
#include "FileContainer.h"
#include "IniFile.h"

// Texts of the progress window while the settings file is written or read.
inline const QString WriteProgressCaption = QStringLiteral("Write to ini-File");
inline const QString WriteProgressLabel = QStringLiteral("Write to ini-File");
inline const QString ReadProgressCaption = QStringLiteral("Read from ini-File");
inline const QString ReadProgressLabel = QStringLiteral("Read From ini-File");

class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;

    // The titles, check boxes and gradient of the settings (the first "Chart" keys).
    virtual void applyChartHead(const ChartSettings& settings) = 0;
    // Adds the table at `path` as Add File does; null when it cannot be read (the window has
    // told the user). The table stays the window's.
    virtual FileContainer* addTable(const QString& path) = 0;
    // After the entity name and the series' flags and colours were set: select the table in
    // the file list, list and attach its visible series, and rename them from the entity name.
    virtual void showTable(FileContainer& table) = 0;
    // The axis limits (bottom in one step; left in one step), the date edits (not applied),
    // the legend; the range becomes fixed.
    virtual void applyChartTail(const ChartSettings& settings) = 0;
    // The series of the table got their stored colours and flags again; the window draws them.
    virtual void applySeriesLooks(FileContainer& table) = 0;

    // The progress window: shown with a caption, a label and the number of tables, moved to
    // each table index, and closed.
    virtual void showProgress(const QString& caption, const QString& label, int count) = 0;
    virtual void setProgress(int index) = 0;
    virtual void closeProgress() = 0;
};

// Reads the settings from `ini`; `current` is what the window shows now and gives the
// defaults of missing keys. Sections without a file name, and tables that cannot be read,
// are skipped with their series keys in both passes. Returns the number of tables added.
int readSettingsInto(SettingsWindow& window, const IniFile& ini, const ChartSettings& current);
