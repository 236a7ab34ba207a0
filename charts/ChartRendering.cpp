#include "ChartRendering.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QSaveFile>

#include "TChart.h"

QString renderChart(TChart& chart, const QString& path, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf") &&
        suffix != QLatin1String("svg"))
        return QStringLiteral("the picture must end in .png, .pdf or .svg: ") + path;
    chart.resize(size);
    // The bitmap lays the axes out for the size; the other formats draw the same layout.
    const QImage picture = chart.bitmap();
    if (suffix == QLatin1String("png")) {
        if (!picture.save(path, "PNG")) return QStringLiteral("cannot write ") + path;
        return {};
    }
    if (suffix == QLatin1String("pdf")) {
        if (!chart.savePdf(path, size.width(), size.height()))
            return QStringLiteral("cannot write ") + path;
        return {};
    }
    const auto mime = chart.pictureMimeData();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(mime->data(QStringLiteral("image/svg+xml"))) < 0 || !file.commit())
        return QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString();
    return {};
}
