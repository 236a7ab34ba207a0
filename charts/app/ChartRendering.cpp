#include "ChartRendering.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "OutputFileDevice.h"
#include "TChart.h"

namespace {

// The chart as a one-page PDF of its own size, drawn as vectors.
QByteArray pdfOf(TChart& chart, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // One point per pixel: the page is as large as the picture would be on a plain screen.
        writer.setResolution(72);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
        writer.setCreator(QStringLiteral("Linara"));
        QCPPainter painter;
        if (!painter.begin(&writer)) return {};
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        painter.setWindow(QRect(QPoint(0, 0), size));
        chart.toPainter(&painter, size.width(), size.height());
        if (!painter.end()) return {};
    }
    return bytes;
}

}  // namespace

QString renderChart(TChart& chart, const QString& path, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf") &&
        suffix != QLatin1String("svg"))
        return QStringLiteral("the picture must end in .png, .pdf or .svg: ") + path;
    chart.resize(size);
    // The bitmap lays the axes out for the size; the other formats draw the same layout.
    const QImage picture = chart.bitmap();
    // Every format is made in memory first and then written whole, so that a failed write
    // never leaves a cut picture or takes an older one away.
    QString reason;
    if (suffix == QLatin1String("png")) {
        reason = writePictureFile(path, picture, "PNG");
    } else if (suffix == QLatin1String("pdf")) {
        const QByteArray pdf = pdfOf(chart, size);
        reason = pdf.isEmpty() ? QStringLiteral("the PDF could not be drawn")
                               : writeFileBytes(path, pdf);
    } else {
        reason =
            writeFileBytes(path, chart.pictureMimeData()->data(QStringLiteral("image/svg+xml")));
    }
    if (reason.isEmpty()) return {};
    return QStringLiteral("cannot write ") + path + QStringLiteral(": ") + reason;
}
