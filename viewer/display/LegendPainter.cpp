#include "LegendPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "LegendGeometry.h"

namespace {

constexpr Colour BoxFrameColour{0x808080};
const QString LabelPattern = QStringLiteral("888888.88");

// Qt drops hinting on scaled screens; the legend keeps the hinting it has at scale 1, so its
// text has the same pixels at every scale factor.
QFont legendFont(QFont font) {
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// Measures on a fresh image, so text widths follow the pictures the legend is painted into
// (logical pixels), not a scaled screen.
int labelWidthOn(QPaintDevice* device, const std::vector<QString>& labels, const QFont& font) {
    const QFontMetrics metrics(legendFont(font), device);
    int width = metrics.horizontalAdvance(LabelPattern);
    for (const QString& label : labels) width = std::max(width, metrics.horizontalAdvance(label));
    return width;
}

void paintSunkenFrame(QPainter& painter, int width, int height, const LegendStyle& style) {
    // Light lower and right edges, then the shadow over the upper and left edges, each ending
    // one pixel before the opposite corner.
    painter.setPen(style.frameLight);
    painter.drawLine(0, height - 1, width - 1, height - 1);
    painter.drawLine(width - 1, 0, width - 1, height - 1);
    painter.setPen(style.frameShadow);
    painter.drawLine(0, 0, width - 2, 0);
    painter.drawLine(0, 0, 0, height - 2);
}

}  // namespace

LegendStyle LegendStyleOf(const QPalette& palette, const QFont& font) {
    return {font, palette.color(QPalette::Button), palette.color(QPalette::WindowText),
            palette.color(QPalette::Dark), palette.color(QPalette::Light)};
}

int LegendLabelWidth(const std::vector<QString>& labels, const QFont& font) {
    QImage device(1, 1, QImage::Format_RGB32);
    return labelWidthOn(&device, labels, font);
}

int LegendWidth(const std::vector<QString>& labels, const QFont& font) {
    return LegendPanelWidth(LegendLabelWidth(labels, font));
}

void PaintLegend(QImage& picture, const LegendContent& content, const LegendStyle& style) {
    if (picture.isNull()) return;
    const int width = picture.width();
    const int height = picture.height();
    const int labelWidth = labelWidthOn(&picture, content.labels, style.font);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width, height, style.face);
    paintSunkenFrame(painter, width, height, style);
    for (std::size_t k = 0; k < content.colours.size(); ++k) {
        const QRect box = LegendBoxRect(static_cast<int>(k), height);
        painter.fillRect(box, content.colours[k].toQColor());
        painter.setPen(BoxFrameColour.toQColor());
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.setFont(legendFont(style.font));
    painter.setPen(style.text);
    for (std::size_t k = 0; k < content.labels.size(); ++k) {
        const QRect label = LegendLabelRect(static_cast<int>(k), height, labelWidth);
        painter.setClipRect(label);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, content.labels[k]);
    }
}

QImage LegendPicture(int height, const LegendContent& content, const LegendStyle& style) {
    QImage picture(LegendWidth(content.labels, style.font), std::max(height, 1),
                   QImage::Format_RGB32);
    PaintLegend(picture, content, style);
    return picture;
}
