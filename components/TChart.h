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

class TChartSeries;
class PrinterSetup;
class QRubberBand;

// A line chart with a title, a legend, a bottom and a left axis, drawn by QCustomPlot.
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
    bool legendVisible() const;
    void setLegendVisible(bool visible);

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

    // Printing through the printer setup (the print dialog in the program); the chart
    // fills the printable page. false when the setup was cancelled or failed.
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
    // Draws now.
    void redraw();

    // Used by TChartSeries.
    void attachSeries(TChartSeries& series);
    void detachSeries(TChartSeries& series);

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
    void applyBackground();
    void rebuildTitle();
    int longestSeriesCount() const;
    void zoomTo(const QRect& pixels);
    void undoZoom();
    void panBy(const QPoint& delta);
    void rememberLimits();
    void clickAt(QMouseEvent* event);

    QStringList titleLines_;
    QCPTextElement* title_ = nullptr;  // in the layout while there are title lines
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

    enum class Drag { None, Zoom, Pan };
    Drag drag_ = Drag::None;
    QPoint pressPos_;
    QPoint lastPanPos_;
    QRubberBand* band_ = nullptr;
    // The limits before the first zoom or pan, for undoing it.
    std::optional<std::pair<AxisLimits, AxisLimits>> beforeZoom_;
};
