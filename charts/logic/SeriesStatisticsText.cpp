#include "SeriesStatisticsText.h"

#include <cmath>

#include "NumberText.h"
#include "SeriesCsv.h"

namespace {

const QString none = QStringLiteral("\u2013");

QString number(double value) { return qFormatG(value, 10); }

QString extreme(double value, double date) {
    if (std::isnan(value)) return none;  // a series without values
    QString when = QString::fromStdString(isoDateTime(date));
    when.replace(QLatin1Char('T'), QLatin1Char(' '));
    return number(value) + QStringLiteral(" at ") + when;
}

}  // namespace

QString seriesStatisticsText(const SeriesStatistics& figures) {
    const bool values = figures.hasValues();
    return QStringLiteral("Count: %1\nMissing: %2\nMean: %3\nSum: %4\nMinimum: %5\nMaximum: %6")
        .arg(QString::number(figures.count), QString::number(figures.missing),
             values ? number(figures.mean) : none, number(figures.sum),
             extreme(figures.minimum, figures.minimumDate),
             extreme(figures.maximum, figures.maximumDate));
}
