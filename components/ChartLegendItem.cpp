#include "ChartLegendItem.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "ColouredGraph.h"
#include "TextLines.h"

namespace {

TextWidth widthIn(const QFont& font) {
    return [metrics = QFontMetrics(font)](const QString& text) {
        return metrics.horizontalAdvance(text);
    };
}

}  // namespace

ChartLegendItem::ChartLegendItem(QCPLegend* legend, QCPAbstractPlottable* plottable)
    : QCPPlottableLegendItem(legend, plottable) {}

int ChartLegendItem::textRoom() const {
    if (maximumWidth_ <= 0) return 0;
    const int icon = mParentLegend->iconSize().width() + mParentLegend->iconTextPadding();
    return std::max(1, maximumWidth_ - icon - mMargins.left() - mMargins.right());
}

QString ChartLegendItem::shownText() const {
    if (!mPlottable) return {};
    const QString name = mPlottable->name();
    const int room = textRoom();
    return room > 0 ? elidedText(name, room, widthIn(getFont())) : name;
}

QSize ChartLegendItem::minimumOuterSizeHint() const {
    if (!mPlottable) return {};
    const QFontMetrics metrics(getFont());
    const QSize icon = mParentLegend->iconSize();
    const QRect text = metrics.boundingRect(0, 0, 0, icon.height(), Qt::TextDontClip, shownText());
    return {icon.width() + mParentLegend->iconTextPadding() + text.width() + mMargins.left() +
                mMargins.right(),
            std::max(text.height(), icon.height()) + mMargins.top() + mMargins.bottom()};
}

void ChartLegendItem::draw(QCPPainter* painter) {
    if (!mPlottable) return;
    painter->setFont(getFont());
    painter->setPen(QPen(getTextColor()));
    const QString text = shownText();
    const QSize iconSize = mParentLegend->iconSize();
    const QRect textRect =
        QFontMetrics(getFont()).boundingRect(0, 0, 0, iconSize.height(), Qt::TextDontClip, text);
    const QRect iconRect(mRect.topLeft(), iconSize);
    const int textHeight = std::max(textRect.height(), iconSize.height());
    painter->drawText(mRect.x() + iconSize.width() + mParentLegend->iconTextPadding(), mRect.y(),
                      textRect.width(), textHeight, Qt::TextDontClip, text);
    painter->save();
    painter->setClipRect(iconRect, Qt::IntersectClip);
    if (const auto* graph = qobject_cast<const ColouredGraph*>(mPlottable))
        graph->drawIcon(painter, iconRect);
    painter->restore();
    if (getIconBorderPen().style() != Qt::NoPen) {
        painter->setPen(getIconBorderPen());
        painter->setBrush(Qt::NoBrush);
        const int half = static_cast<int>(std::ceil(painter->pen().widthF() * 0.5)) + 1;
        painter->setClipRect(mOuterRect.adjusted(-half, -half, half, half));
        painter->drawRect(iconRect);
    }
}

ChartTitle::ChartTitle(QCustomPlot* plot) : QCPLayoutElement(plot) {
    setMargins(QMargins(4, 4, 4, 2));
}

QStringList ChartTitle::linesFor(int width) const {
    if (text_.isEmpty()) return {};
    return wrappedLines(text_, std::max(1, width - mMargins.left() - mMargins.right()), maxLines,
                        widthIn(font_));
}

QStringList ChartTitle::shownLines() const {
    return linesFor(mParentPlot ? mParentPlot->viewport().width() : mOuterRect.width());
}

int ChartTitle::heightFor(int lineCount) const {
    return lineCount * QFontMetrics(font_).lineSpacing() + mMargins.top() + mMargins.bottom();
}

QSize ChartTitle::minimumOuterSizeHint() const {
    // No width of its own: the lines wrap at whatever width the chart has.
    return {0, heightFor(static_cast<int>(shownLines().size()))};
}

QSize ChartTitle::maximumOuterSizeHint() const {
    return {QWIDGETSIZE_MAX, minimumOuterSizeHint().height()};
}

void ChartTitle::draw(QCPPainter* painter) {
    const QStringList lines = linesFor(mOuterRect.width());
    painter->setFont(font_);
    painter->setPen(QPen(Qt::black));
    const int spacing = QFontMetrics(font_).lineSpacing();
    int y = mRect.top();
    for (const QString& line : lines) {
        painter->drawText(QRect(mRect.left(), y, mRect.width(), spacing),
                          Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, line);
        y += spacing;
    }
}
