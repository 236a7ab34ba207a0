#include "ChartSettings.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <map>

#include "NumberText.h"

namespace {

const QString Chart = QStringLiteral("Chart");

QString fileSection(int index) { return QStringLiteral("File%1").arg(index); }

QString seriesKey(int section, int column, const char* what) {
    return QStringLiteral("File%1series%2%3").arg(section).arg(column).arg(QLatin1String(what));
}

// A date edit read back: the stored integer as text, or the current text when the key is
// missing or unreadable.
QString readEdit(const IniFile& ini, const QString& key, const QString& current) {
    if (!ini.ValueExists(Chart, key)) return current;
    const std::optional<int> value = IniFile::integerValue(ini.ReadString(Chart, key, QString()));
    return value ? QString::number(*value) : current;
}

bool readableFloat(const IniFile& ini, const QString& key) {
    return !std::isnan(ini.ReadFloat(Chart, key, std::numeric_limits<double>::quiet_NaN()));
}

// The section index of a name "File<i>" (case-insensitive, no leading zeros); -1 otherwise.
int fileSectionIndex(const QString& name) {
    if (!name.startsWith(QLatin1String("file"), Qt::CaseInsensitive)) return -1;
    const QString digits = name.mid(4);
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok && index >= 0 && QString::number(index) == digits ? index : -1;
}

}  // namespace

FileSettings fileSettingsOf(const FileContainer& table) {
    FileSettings file;
    file.fileName = QString::fromStdString(table.fileName());
    file.entityName = QString::fromStdString(table.EntityName);
    for (int j = 0; j < table.seriesCount(); ++j) {
        const SeriesData& series = *table.series(j);
        file.series.push_back({static_cast<int>(series.colour), series.visible});
    }
    return file;
}

void writeChartSettings(IniFile& ini, const ChartSettings& settings,
                        const SettingsProgress& progress) {
    ini.WriteString(Chart, "Title", settings.title);
    ini.WriteString(Chart, "XAxisTitle", settings.xAxisTitle);
    ini.WriteString(Chart, "YAxisTitle", settings.yAxisTitle);
    ini.WriteBool(Chart, "SynchronizeDatesWhenPanning", settings.synchronizeDates);
    ini.WriteBool(Chart, "Logarithmic", settings.logarithmic);
    ini.WriteInteger(Chart, "ColorGradientDirection", settings.gradientDirection);
    ini.WriteInteger(Chart, "ColorGradientStartColor", settings.gradientStartColour);
    ini.WriteInteger(Chart, "ColorGradientEndColor", settings.gradientEndColour);
    ini.WriteBool(Chart, "ColorGradientVisible", settings.gradientVisible);
    ini.WriteInteger(Chart, "NumFiles", static_cast<int>(settings.files.size()));

    for (int i = 0; i < static_cast<int>(settings.files.size()); ++i) {
        const FileSettings& file = settings.files[i];
        const QString section = fileSection(i);
        ini.WriteString(section, "FileName", file.fileName);
        ini.WriteString(section, "EntityName", file.entityName);
        ini.WriteInteger(section, "ColumnCount", static_cast<int>(file.series.size()));
        for (int j = 0; j < static_cast<int>(file.series.size()); ++j) {
            ini.WriteInteger(section, seriesKey(i, j, "Color"), file.series[j].colour);
            ini.WriteBool(section, seriesKey(i, j, "Visible"), file.series[j].visible);
        }
        if (progress) progress(i);
    }

    ini.WriteFloat(Chart, "XAxisMin", settings.xAxisMinimum);
    ini.WriteFloat(Chart, "XAxisMax", settings.xAxisMaximum);
    ini.WriteFloat(Chart, "YAxisMin", settings.yAxisMinimum);
    ini.WriteFloat(Chart, "YAxisMax", settings.yAxisMaximum);
    const DateEdits& dates = settings.dates;
    ini.WriteInteger(Chart, "StartYear", parseInt(dates.startYear));
    ini.WriteInteger(Chart, "StartMonth", parseInt(dates.startMonth));
    ini.WriteInteger(Chart, "StartDay", parseInt(dates.startDay));
    ini.WriteInteger(Chart, "EndYear", parseInt(dates.endYear));
    ini.WriteInteger(Chart, "EndMonth", parseInt(dates.endMonth));
    ini.WriteInteger(Chart, "EndDay", parseInt(dates.endDay));
    ini.WriteBool(Chart, "HideLegend", settings.hideLegend);
}

void saveChartSettings(const QString& path, const ChartSettings& settings,
                       const SettingsProgress& progress) {
    // A date edit that is no integer keeps the window open, so it is found before the file
    // is touched, even when the file could not be written either.
    const DateEdits& dates = settings.dates;
    for (const QString* edit : {&dates.startYear, &dates.startMonth, &dates.startDay,
                                &dates.endYear, &dates.endMonth, &dates.endDay})
        parseInt(*edit);
    IniFile ini = IniFile::load(path);
    writeChartSettings(ini, settings, progress);
    ini.save(path);
}

ChartSettings readChartKeys(const IniFile& ini, const ChartSettings& current) {
    ChartSettings read = current;
    read.files.clear();
    read.title = ini.ReadString(Chart, "Title", current.title);
    read.xAxisTitle = ini.ReadString(Chart, "XAxisTitle", current.xAxisTitle);
    read.yAxisTitle = ini.ReadString(Chart, "YAxisTitle", current.yAxisTitle);
    read.synchronizeDates = ini.ReadBool(Chart, "SynchronizeDatesWhenPanning", true);
    read.logarithmic = ini.ReadBool(Chart, "Logarithmic", false);
    read.gradientDirection = ini.ReadInteger(Chart, "ColorGradientDirection", 0);
    read.gradientStartColour = ini.ReadInteger(Chart, "ColorGradientStartColor", 0xFFFFFF);
    read.gradientEndColour = ini.ReadInteger(Chart, "ColorGradientEndColor", 0x80FFFF);
    read.gradientVisible = ini.ReadBool(Chart, "ColorGradientVisible", true);
    read.xAxisMinimum = ini.ReadFloat(Chart, "XAxisMin", current.xAxisMinimum);
    read.xAxisMaximum = ini.ReadFloat(Chart, "XAxisMax", current.xAxisMaximum);
    read.yAxisMaximum = ini.ReadFloat(Chart, "YAxisMax", current.yAxisMaximum);
    read.yAxisMinimum = ini.ReadFloat(Chart, "YAxisMin", current.yAxisMinimum);
    const DateEdits& now = current.dates;
    read.dates = {
        readEdit(ini, "StartYear", now.startYear), readEdit(ini, "StartMonth", now.startMonth),
        readEdit(ini, "StartDay", now.startDay),   readEdit(ini, "EndYear", now.endYear),
        readEdit(ini, "EndMonth", now.endMonth),   readEdit(ini, "EndDay", now.endDay)};
    read.hideLegend = ini.ReadBool(Chart, "HideLegend", current.hideLegend);
    read.xAxisStored = readableFloat(ini, "XAxisMin") && readableFloat(ini, "XAxisMax");
    read.yAxisStored =
        readableFloat(ini, "YAxisMin") && readableFloat(ini, "YAxisMax") &&
        !(read.yAxisMinimum == SeriesData::unset && read.yAxisMaximum == SeriesData::unset);
    read.datesStored = false;
    for (const char* key : {"StartYear", "StartMonth", "StartDay", "EndYear", "EndMonth", "EndDay"})
        read.datesStored = read.datesStored || readEdit(ini, key, QString()) != QString();
    return read;
}

std::vector<SettingsTable> settingsTables(const IniFile& ini) {
    const int count = ini.ReadInteger(Chart, "NumFiles", 0);
    // Found through the sections present, so that a huge NumFiles costs nothing.
    std::map<int, SettingsTable> found;
    for (const QString& name : ini.ReadSections()) {
        const int index = fileSectionIndex(name);
        if (index < 0 || index >= count) continue;
        const QString section = fileSection(index);
        const QString fileName = ini.ReadString(section, "FileName", QString());
        if (fileName.isEmpty()) continue;
        found[index] = {index, fileName, ini.ReadString(section, "EntityName", QString())};
    }
    std::vector<SettingsTable> tables;
    for (auto& [index, table] : found) tables.push_back(std::move(table));
    return tables;
}

std::vector<SeriesSettings> readSeriesSettings(const IniFile& ini, int section, int columns) {
    std::vector<SeriesSettings> series;
    const QString name = fileSection(section);
    for (int j = 0; j < columns; ++j)
        series.push_back({ini.ReadInteger(name, seriesKey(section, j, "Color"), 255),
                          ini.ReadBool(name, seriesKey(section, j, "Visible"), false)});
    return series;
}

void applySeriesSettings(const IniFile& ini, int section, FileContainer& table) {
    const std::vector<SeriesSettings> settings =
        readSeriesSettings(ini, section, table.seriesCount());
    for (int j = 0; j < table.seriesCount(); ++j) {
        table.series(j)->visible = settings[j].visible;
        table.series(j)->colour = static_cast<unsigned>(settings[j].colour);
    }
}

bool isSettingsPath(const QString& path) { return path.contains(QLatin1String(".ini")); }

QString closingSettingsPath(const QString& programPath, const QString& workingDirectory) {
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    return QDir(workingDirectory).filePath(name + QStringLiteral(".ini"));
}

QString openingSettingsPath(const QString& chosenPath, const QString& programPath,
                            const QString& workingDirectory) {
    return chosenPath.isEmpty() ? closingSettingsPath(programPath, workingDirectory) : chosenPath;
}
