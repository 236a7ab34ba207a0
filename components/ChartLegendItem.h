#pragma once
#include <qcustomplot.h>

// A legend entry of a chart's graph that never grows wider than it may: its text is cut
// with "…" to fit.
class ChartLegendItem : public QCPPlottableLegendItem {
    Q_OBJECT
public:
    ChartLegendItem(QCPLegend* legend, QCPAbstractPlottable* plottable);

    // The widest the entry may be, margins included; 0 for no limit.
    void setMaximumEntryWidth(int width) { maximumWidth_ = width; }
    // The text drawn: the series title, cut to fit the widest width.
    QString shownText() const;

protected:
    void draw(QCPPainter* painter) override;
    QSize minimumOuterSizeHint() const override;

private:
    int textRoom() const;

    int maximumWidth_ = 0;
};

// A title above the plot whose lines wrap at the width of the chart, at most `maxLines` of
// them, the last one cut with "…" when text is left out. However long the text, the title
// never asks the chart to be wider.
class ChartTitle : public QCPLayoutElement {
    Q_OBJECT
public:
    explicit ChartTitle(QCustomPlot* plot);

    void setText(const QString& text) { text_ = text; }
    void setFont(const QFont& font) { font_ = font; }
    // The lines drawn at the current width of the chart.
    QStringList shownLines() const;

    static constexpr int maxLines = 3;

protected:
    QSize minimumOuterSizeHint() const override;
    QSize maximumOuterSizeHint() const override;
    void draw(QCPPainter* painter) override;

private:
    QStringList linesFor(int width) const;
    int heightFor(int lineCount) const;

    QString text_;
    QFont font_;
};
