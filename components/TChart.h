#pragma once
#include <qcustomplot.h>

#include <QImage>
#include <QList>
#include <QMimeData>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <optional>

#include "ChartPaging.h"
#include "TChartAxis.h"

class ChartTitle;
class TChartSeries;
class PrinterSetup;
class QRubberBand;

// A line chart with a title, a legend, a bottom and a left axis, drawn by QCustomPlot.
//
// From top to bottom: the title (its lines wrapped at the chart's width), the legend (its
// entries side by side, wrapped into as many rows as the width needs; drawn only while it
// has entries) and the plot area, which takes the rest. Neither the title nor the legend
// ever asks the chart to be wider, so the window around it never grows with them.
//
// Mouse: drag a rectangle with the left button from its top-left to its bottom-right
// corner to zoom into it; drag the left button up or to the left, or double-click, to undo
// the zoom; drag with the right button to pan. A left click near a line is the series'
// click.
class TChart : public QCustomPlot {
    Q_OBJECT
public:
    enum class GradientDirection { TopBottom, BottomTop, LeftRight, RightLeft };

    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // Title text lines.
    QStringList titleLines() const { return titleLines_; }
    void clearTitle();
    void addTitleLine(const QString& line);
    void setTitleFont(const QFont& font);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    bool gradientVisible() const { return gradientVisible_; }
    void setGradientVisible(bool visible);
    GradientDirection gradientDirection() const { return gradientDirection_; }
    void setGradientDirection(GradientDirection direction);
    QColor gradientStartColor() const { return gradientStart_; }
    void setGradientStartColor(const QColor& colour);
    QColor gradientEndColor() const { return gradientEnd_; }
    void setGradientEndColor(const QColor& colour);
    QColor backWallColor() const { return backWall_; }
    void setBackWallColor(const QColor& colour);
    bool legendVisible() const { return legendShown_; }
    void setLegendVisible(bool visible);
    // Whether the legend is drawn: it is visible and has entries.
    bool legendDrawn() const;
    // The texts of the legend entries as they are drawn (cut with "…" where too wide).
    QStringList legendTexts() const;
    // The title lines as they are drawn at the chart's width.
    QStringList shownTitleLines() const;

    // Paging: MaxPointsPerPage points of the longest attached series make a page.
    int maxPointsPerPage() const { return paging_.maxPointsPerPage(); }
    void setMaxPointsPerPage(int points);
    int page() const { return paging_.page(); }
    // Refused (false) outside 1..pageCount(). Only records the page; the axes stay.
    bool setPage(int page);
    int pageCount() const;

    TChartAxis& bottomAxis() { return *bottom_; }
    TChartAxis& leftAxis() { return *left_; }

    // The attached series, in the order they were attached.
    QList<TChartSeries*> seriesList() const { return series_; }

    // Printing through the printer setup (the print dialog in the program): the chart as it
    // shows now, scaled to the printable page with its text in the same proportion to the
    // chart as on the screen. The page is landscape when the chart is wider than high,
    // unless the setup chooses otherwise. false when the setup was cancelled or failed.
    bool print(PrinterSetup& setup);
    // The chart as it looks now, at its current size.
    QImage bitmap();
    void copyToClipboardBitmap();
    // The whole chart at its current size as an SVG picture together with a PNG of the
    // same picture.
    std::unique_ptr<QMimeData> pictureMimeData();
    void copyToClipboardPicture();

    // Asks for a redraw at the next turn of the event loop.
    void refresh();
    // While paused (calls nest) a refresh is only noted; the last resume asks for one redraw.
    // For many changes in a row, so that the chart is not drawn again after each of them.
    void pauseRedraw() { ++paused_; }
    void resumeRedraw();
    // Draws now.
    void redraw();

    // Used by TChartSeries.
    void attachSeries(TChartSeries& series);
    void detachSeries(TChartSeries& series);

    // A chart never asks for more room than this, whatever its title and legend hold.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // Lays the chart out for a picture of `size` (the title, the legend rows, the axes and
    // their labels), as every drawing does first.
    void layOutFor(const QSize& size);

signals:
    void zoomed();
    void undoZoomed();
    void scrolled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void prepareAxes();
    void arrangeLayout();
    void wrapLegend(int width);
    void applyBackground();
    void rebuildTitle();
    int longestSeriesCount() const;
    void zoomTo(const QRect& pixels);
    void undoZoom();
    void panBy(const QPoint& delta);
    void rememberLimits();
    void clickAt(QMouseEvent* event);

    QStringList titleLines_;
    ChartTitle* title_ = nullptr;         // in the layout while there are title lines
    QCPLayoutGrid* legendRow_ = nullptr;  // the legend between two spacers, centred
    QCPAxisRect* plotArea_ = nullptr;
    bool legendShown_ = true;
    QFont titleFont_;
    QColor backColor_ = Qt::white;
    bool gradientVisible_ = false;
    GradientDirection gradientDirection_ = GradientDirection::TopBottom;
    QColor gradientStart_ = Qt::white;
    QColor gradientEnd_ = Qt::yellow;
    QColor backWall_ = Qt::white;
    ChartPaging paging_;
    std::unique_ptr<TChartAxis> bottom_;
    std::unique_ptr<TChartAxis> left_;
    QList<TChartSeries*> series_;
    int paused_ = 0;
    bool refreshPending_ = false;

    enum class Drag { None, Zoom, Pan };
    Drag drag_ = Drag::None;
    QPoint pressPos_;
    QPoint lastPanPos_;
    QRubberBand* band_ = nullptr;
    // The limits before the first zoom or pan, for undoing it.
    std::optional<std::pair<AxisLimits, AxisLimits>> beforeZoom_;
};

// Pauses the redraws of a chart for its lifetime.
class ChartRedrawPause {
public:
    explicit ChartRedrawPause(TChart& chart) : chart_(chart) { chart_.pauseRedraw(); }
    ~ChartRedrawPause() { chart_.resumeRedraw(); }
    ChartRedrawPause(const ChartRedrawPause&) = delete;
    ChartRedrawPause& operator=(const ChartRedrawPause&) = delete;

private:
    TChart& chart_;
};
