#pragma once
// The chart settings file: everything the window stores when it closes and restores when a
// settings file is opened, with its keys, their types and their defaults.
//
// Section "Chart" holds the titles, the check boxes, the gradient, NumFiles, the axis limits,
// the date edits and the legend flag; one section per table, "File0", "File1", ..., holds the
// table's path, its entity name, its column count and per column the keys
// "File<i>series<j>Color" and "File<i>series<j>Visible". Keys and sections the window does
// not write (a File7 of an earlier run with more tables) stay in the file; NumFiles limits
// what is read.
#include <QString>
#include <functional>
#include <vector>

#include "DateRange.h"
#include "FileContainer.h"
#include "IniFile.h"

struct SeriesSettings {
    int colour = 255;  // 0x00BBGGRR, or 536870912 for the style entry's colour
    bool visible = false;
    friend bool operator==(const SeriesSettings&, const SeriesSettings&) = default;
};

struct FileSettings {
    QString fileName;
    QString entityName;
    std::vector<SeriesSettings> series;  // one per column
    friend bool operator==(const FileSettings&, const FileSettings&) = default;
};

struct ChartSettings {
    QString title = QStringLiteral("Tolmar-Kor Results");
    QString xAxisTitle;
    QString yAxisTitle;
    bool synchronizeDates = true;
    bool logarithmic = false;
    int gradientDirection = 0;
    int gradientStartColour = 0xFFFFFF;
    int gradientEndColour = 0x80FFFF;
    bool gradientVisible = true;
    std::vector<FileSettings> files;
    double xAxisMinimum = 0.0;
    double xAxisMaximum = 0.0;
    double yAxisMinimum = SeriesData::unset;
    double yAxisMaximum = SeriesData::unset;
    DateEdits dates;  // the edit texts; written as integers
    bool hideLegend = false;
    // Whether a settings file read held readable limits of the bottom axis, a set range of
    // the left axis (not -9999 on both ends) and any date edit. Where it does not, the window
    // fits that part to the tables it loaded.
    bool xAxisStored = true;
    bool yAxisStored = true;
    bool datesStored = true;
    friend bool operator==(const ChartSettings&, const ChartSettings&) = default;
};

// The settings of one loaded table: its path, entity name and each column's colour and
// visible flag.
FileSettings fileSettingsOf(const FileContainer& table);

// Told the index of each table section once it is written or read.
using SettingsProgress = std::function<void(int index)>;

// Writes every key in the order the window writes them. Throws ConversionError when a date
// edit does not hold an integer; the keys before it are written then, so the caller saves
// the file only when this returns.
void writeChartSettings(IniFile& ini, const ChartSettings& settings,
                        const SettingsProgress& progress = {});

// Reads the existing file at `path` (keeping what it holds), writes the settings into it and
// saves it through a temporary file. Throws ConversionError for a date edit that is not an
// integer, before anything is written, and IniFileError when the file cannot be read or
// written; the old file stays intact either way.
void saveChartSettings(const QString& path, const ChartSettings& settings,
                       const SettingsProgress& progress = {});

// The "Chart" keys; a missing or unreadable key keeps the value of `current` (whose files
// are left out of the result). The flags tell which of the axes and dates the file held.
ChartSettings readChartKeys(const IniFile& ini, const ChartSettings& current);

// A table section to open: its index i (the keys of section File<i> belong to it), its path
// and entity name.
struct SettingsTable {
    int section = 0;
    QString fileName;
    QString entityName;
    friend bool operator==(const SettingsTable&, const SettingsTable&) = default;
};

// The sections File0 to File<NumFiles - 1> that exist and name a file, in section order. A
// section without a file name is skipped with its series keys.
std::vector<SettingsTable> settingsTables(const IniFile& ini);

// The colour and visible flag of each column of the table opened for section File<i>
// (255 and false where a key is missing).
std::vector<SeriesSettings> readSeriesSettings(const IniFile& ini, int section, int columns);
// Sets them on the table's series.
void applySeriesSettings(const IniFile& ini, int section, FileContainer& table);

// A path names a settings file when it contains ".ini" anywhere (so "a.ini.bak" does too).
bool isSettingsPath(const QString& path);
// The settings file written on close: in the working directory, named like the program file
// with the extension ".ini" ("linara" gives "linara.ini", "Linara.exe" "Linara.ini").
QString closingSettingsPath(const QString& programPath, const QString& workingDirectory);
// The file read when a settings file is opened: the chosen path itself, or for an empty path
// the file written on close.
QString openingSettingsPath(const QString& chosenPath, const QString& programPath,
                            const QString& workingDirectory);
