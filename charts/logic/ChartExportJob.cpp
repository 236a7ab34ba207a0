#include "ChartExportJob.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include "ChartInputs.h"
#include "ConsoleDialogs.h"
#include "DayNumberDate.h"
#include "OutputFile.h"
#include "SeriesCsv.h"
#include "TableMessages.h"

namespace {

// Whether the settings file at `path` holds the limits of the bottom axis.
bool storesView(const QString& path, const ChartDocument& document) {
    const QString file =
        openingSettingsPath(path, QCoreApplication::applicationFilePath(), QDir::currentPath());
    try {
        return readChartKeys(IniFile::load(file), document.settings()).xAxisStored;
    } catch (const IniFileError&) {
        return false;
    }
}

}  // namespace

int runChartExportJob(const ExportJob& job, ConsoleDialogs& dialogs, std::string& err) {
    ChartDocument document;
    document.start(dayNumberFromDateTime(QDateTime::currentDateTime()));
    SettingsReadingHooks hooks;
    hooks.readTable = [&dialogs](const QString& path) { return readTableReporting(path, dialogs); };
    bool viewStored = false;
    for (const std::string& input : job.inputs) {
        const QString path = QString::fromStdString(input);
        openChartPaths(document, {path}, dialogs, hooks);
        if (isSettingsPath(path) && storesView(path, document)) viewStored = true;
    }
    if (dialogs.reported() > 0) return 1;
    if (document.drawn().empty()) {
        err += "linara: no series is drawn, nothing to export to " + job.csv + "\n";
        return 1;
    }

    // A settings file that stores its view exports what that view shows; tables alone every date.
    const ViewRange range =
        viewStored && document.dates().view ? *document.dates().view : WholeDateRange;
    const std::string failure = tolmar::writeWholeFile(job.csv, visibleSeriesCsv(document, range));
    if (!failure.empty()) {
        err += "linara: " + job.csv + " could not be written: " + failure + "\n";
        return 1;
    }
    return 0;
}
