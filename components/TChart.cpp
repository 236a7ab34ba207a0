#include "TChart.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QRubberBand>
#include <QSvgGenerator>

#include "PrinterSetup.h"
#include "TChartSeries.h"

namespace {
constexpr int ClickTolerance = 3;     // pixels a press may move and still be a click
constexpr int LineHitDistance = 5;    // pixels between the mouse and a line that hit it
constexpr int MinimumZoomPixels = 8;  // a smaller rectangle is taken as a slip of the hand
}  // namespace

TChart::TChart(QWidget* parent) : QCustomPlot(parent) {
    bottom_ = std::make_unique<TChartAxis>(*this, *xAxis, true);
    left_ = std::make_unique<TChartAxis>(*this, *yAxis, false);
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);
    titleFont_ = font();
    titleFont_.setBold(true);
    legend->setVisible(true);
    legend->setFillOrder(QCPLegend::foColumnsFirst);
    legend->setWrap(5);
    axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignHCenter);
    setNoAntialiasingOnDrag(true);
    setPlottingHint(QCP::phFastPolylines, true);
    applyBackground();
    connect(this, &QCustomPlot::beforeReplot, this, &TChart::prepareAxes);
}

TChart::~TChart() {
    // Series outlive the chart: they lose their chart, keep their points.
    for (TChartSeries* series : QList<TChartSeries*>(series_)) series->setParentChart(nullptr);
    if (title_ && !title_->layout()) delete title_;
}

void TChart::clearTitle() {
    titleLines_.clear();
    rebuildTitle();
}

void TChart::addTitleLine(const QString& line) {
    titleLines_.append(line);
    rebuildTitle();
}

void TChart::setTitleFont(const QFont& font) {
    titleFont_ = font;
    rebuildTitle();
}

void TChart::rebuildTitle() {
    if (!title_) title_ = new QCPTextElement(this);
    title_->setFont(titleFont_);
    title_->setText(titleLines_.join(QLatin1Char('\n')));
    const bool shown = title_->layout() != nullptr;
    if (!titleLines_.isEmpty() && !shown) {
        plotLayout()->insertRow(0);
        plotLayout()->addElement(0, 0, title_);
    } else if (titleLines_.isEmpty() && shown) {
        plotLayout()->take(title_);
        plotLayout()->simplify();
    }
    refresh();
}

void TChart::setBackColor(const QColor& colour) {
    backColor_ = colour;
    applyBackground();
}

void TChart::setGradientVisible(bool visible) {
    gradientVisible_ = visible;
    applyBackground();
}

void TChart::setGradientDirection(GradientDirection direction) {
    gradientDirection_ = direction;
    applyBackground();
}

void TChart::setGradientStartColor(const QColor& colour) {
    gradientStart_ = colour;
    applyBackground();
}

void TChart::setGradientEndColor(const QColor& colour) {
    gradientEnd_ = colour;
    applyBackground();
}

void TChart::setBackWallColor(const QColor& colour) {
    backWall_ = colour;
    applyBackground();
}

void TChart::applyBackground() {
    if (gradientVisible_) {
        QLinearGradient gradient;
        gradient.setCoordinateMode(QGradient::ObjectMode);
        switch (gradientDirection_) {
            case GradientDirection::TopBottom:
                gradient.setFinalStop(0, 1);
                break;
            case GradientDirection::BottomTop:
                gradient.setStart(0, 1);
                break;
            case GradientDirection::LeftRight:
                gradient.setFinalStop(1, 0);
                break;
            case GradientDirection::RightLeft:
                gradient.setStart(1, 0);
                break;
        }
        gradient.setColorAt(0, gradientStart_);
        gradient.setColorAt(1, gradientEnd_);
        setBackground(QBrush(gradient));
    } else {
        setBackground(QBrush(backColor_));
    }
    axisRect()->setBackground(QBrush(backWall_));
    legend->setBrush(QBrush(backWall_));
    refresh();
}

bool TChart::legendVisible() const { return legend->visible(); }

void TChart::setLegendVisible(bool visible) {
    legend->setVisible(visible);
    refresh();
}

void TChart::setMaxPointsPerPage(int points) { paging_.setMaxPointsPerPage(points); }

bool TChart::setPage(int page) { return paging_.setPage(page, longestSeriesCount()); }

int TChart::pageCount() const { return paging_.pageCount(longestSeriesCount()); }

int TChart::longestSeriesCount() const {
    int longest = 0;
    for (const TChartSeries* series : series_) longest = std::max(longest, series->count());
    return longest;
}

void TChart::refresh() { replot(QCustomPlot::rpQueuedReplot); }

void TChart::redraw() { replot(QCustomPlot::rpImmediateRefresh); }

void TChart::attachSeries(TChartSeries& series) {
    if (!series_.contains(&series)) series_.append(&series);
    if (series.xValuesDateTime()) bottom_->setDateTime(true);
    refresh();
}

void TChart::detachSeries(TChartSeries& series) {
    series_.removeAll(&series);
    refresh();
}

void TChart::prepareAxes() {
    // The label count depends on the axis lengths: a chart that has never been laid out
    // (hidden, or not drawn yet) is laid out at its own size first.
    if (viewport() != rect()) setViewport(rect());
    if (axisRect()->width() < 2 || axisRect()->height() < 2) updateLayout();
    bool hasKeys = false;
    bool hasValues = false;
    QCPRange keys;
    QCPRange values;
    const bool needValues = left_->automaticMinimum() || left_->automaticMaximum();
    const bool needKeys = bottom_->automaticMinimum() || bottom_->automaticMaximum();
    for (const TChartSeries* series : series_) {
        bool found = false;
        if (needKeys) {
            const QCPRange range = series->points().keyRange(found);
            if (found)
                keys = hasKeys ? QCPRange(std::min(keys.lower, range.lower),
                                          std::max(keys.upper, range.upper))
                               : range;
            hasKeys = hasKeys || found;
        }
        if (needValues) {
            const QCPRange range = series->points().valueRange(found);
            if (found)
                values = hasValues ? QCPRange(std::min(values.lower, range.lower),
                                              std::max(values.upper, range.upper))
                                   : range;
            hasValues = hasValues || found;
        }
    }
    bottom_->prepare(keys.lower, keys.upper, hasKeys);
    left_->prepare(values.lower, values.upper, hasValues);
}

// Output

bool TChart::print(PrinterSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    if (!setup.setUp(printer, this)) return false;
    prepareAxes();
    QCPPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    // Fills the page in both directions, not keeping the chart's proportions.
    painter.scale(page.width() / double(w), page.height() / double(h));
    toPainter(&painter, w, h);
    return painter.end();
}

QImage TChart::bitmap() {
    // Pictures draw without a replot, so the axes take their limits first.
    prepareAxes();
    return toPixmap(std::max(1, width()), std::max(1, height())).toImage();
}

void TChart::copyToClipboardBitmap() { QGuiApplication::clipboard()->setImage(bitmap()); }

std::unique_ptr<QMimeData> TChart::pictureMimeData() {
    prepareAxes();
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(w, h));
    generator.setViewBox(QRect(0, 0, w, h));
    generator.setTitle(titleLines_.join(QLatin1Char(' ')));
    {
        QCPPainter painter;
        painter.begin(&generator);
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        toPainter(&painter, w, h);
        painter.end();
    }
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setImageData(bitmap());
    return mime;
}

void TChart::copyToClipboardPicture() {
    QGuiApplication::clipboard()->setMimeData(pictureMimeData().release());
}

// Mouse

void TChart::mousePressEvent(QMouseEvent* event) {
    pressPos_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Zoom;
    } else if (event->button() == Qt::RightButton) {
        drag_ = Drag::Pan;
        lastPanPos_ = pressPos_;
    }
    event->accept();
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_ == Drag::Zoom) {
        if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
        band_->setGeometry(QRect(pressPos_, pos).normalized());
        band_->show();
    } else if (drag_ == Drag::Pan) {
        const QPoint delta = pos - lastPanPos_;
        lastPanPos_ = pos;
        if (!delta.isNull()) panBy(delta);
    }
    event->accept();
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint moved = pos - pressPos_;
    const Drag drag = drag_;
    drag_ = Drag::None;
    if (band_) band_->hide();
    event->accept();
    if (drag != Drag::Zoom || event->button() != Qt::LeftButton) return;
    const bool click =
        std::abs(moved.x()) <= ClickTolerance && std::abs(moved.y()) <= ClickTolerance;
    if (click)
        clickAt(event);
    else if (moved.x() < 0 || moved.y() < 0)
        undoZoom();
    else if (moved.x() >= MinimumZoomPixels && moved.y() >= MinimumZoomPixels)
        zoomTo(QRect(pressPos_, pos));
}

void TChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) undoZoom();
    event->accept();
}

// The wheel neither zooms nor scrolls; zoom and pan are the mouse gestures above.
void TChart::wheelEvent(QWheelEvent* event) { event->ignore(); }

void TChart::rememberLimits() {
    if (!beforeZoom_) beforeZoom_ = std::make_pair(bottom_->limits(), left_->limits());
}

void TChart::zoomTo(const QRect& pixels) {
    prepareAxes();
    const double x0 = xAxis->pixelToCoord(pixels.left());
    const double x1 = xAxis->pixelToCoord(pixels.right());
    const double y0 = yAxis->pixelToCoord(pixels.bottom());
    const double y1 = yAxis->pixelToCoord(pixels.top());
    if (!(x0 < x1) || !(y0 < y1)) return;  // a zoom never leaves an empty view
    rememberLimits();
    bottom_->setMinMax(x0, x1);
    left_->setMinMax(y0, y1);
    emit zoomed();
}

void TChart::undoZoom() {
    if (beforeZoom_) {
        bottom_->restoreLimits(beforeZoom_->first);
        left_->restoreLimits(beforeZoom_->second);
        beforeZoom_.reset();
    }
    emit undoZoomed();
}

void TChart::panBy(const QPoint& delta) {
    prepareAxes();
    rememberLimits();
    const auto shifted = [](QCPAxis* axis, double pixels) {
        const QCPRange range = axis->range();
        return QCPRange(axis->pixelToCoord(axis->coordToPixel(range.lower) - pixels),
                        axis->pixelToCoord(axis->coordToPixel(range.upper) - pixels));
    };
    const QCPRange keys = shifted(xAxis, delta.x());
    const QCPRange values = shifted(yAxis, delta.y());
    bottom_->setMinMax(std::min(keys.lower, keys.upper), std::max(keys.lower, keys.upper));
    left_->setMinMax(std::min(values.lower, values.upper), std::max(values.lower, values.upper));
    emit scrolled();
}

void TChart::clickAt(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    for (auto it = series_.crbegin(); it != series_.crend(); ++it) {
        TChartSeries* series = *it;
        const int index = series->pointNear(pos, LineHitDistance);
        if (index < 0) continue;
        emit series->clicked(series, index, event->button(), event->modifiers(), pos);
        return;
    }
}
