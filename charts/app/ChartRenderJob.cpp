#include "ChartRenderJob.h"

#include <QDateTime>
#include <cstdio>

#include "ChartInputs.h"
#include "ChartProjection.h"
#include "ChartRendering.h"
#include "ConsoleDialogs.h"
#include "DayNumberDate.h"
#include "TChart.h"
#include "TableMessages.h"

int runChartRenderJob(const RenderJob& job, ConsoleDialogs& dialogs) {
    ChartDocument document;
    document.start(dayNumberFromDateTime(QDateTime::currentDateTime()));
    QStringList inputs;
    for (const std::string& input : job.inputs) inputs << QString::fromStdString(input);
    SettingsReadingHooks hooks;
    hooks.readTable = [&dialogs](const QString& path) { return readTableReporting(path, dialogs); };
    openChartPaths(document, inputs, dialogs, hooks);
    if (dialogs.reported() > 0) return 1;

    // The chart is the only widget; it is drawn into the picture and never shown.
    TChart chart;
    ChartProjection projection(chart);
    projection.show(document);
    const QString picture = QString::fromStdString(job.picture);
    const QString failure = renderChart(chart, picture, QSize(job.width, job.height));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "linara: %s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
