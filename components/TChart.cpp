#include "TChart.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QRubberBand>
#include <QSvgGenerator>

#include "ChartLegendItem.h"
#include "LegendColumns.h"
#include "PrinterSetup.h"
#include "TChartSeries.h"

namespace {
constexpr int ClickTolerance = 3;     // pixels a press may move and still be a click
constexpr int LineHitDistance = 5;    // pixels between the mouse and a line that hit it
constexpr int MinimumZoomPixels = 8;  // a smaller rectangle is taken as a slip of the hand
// Rows of the title and the legend take their own height only; the plot takes the rest.
constexpr double HeaderStretch = 0.001;
}  // namespace

TChart::TChart(QWidget* parent) : QCustomPlot(parent) {
    bottom_ = std::make_unique<TChartAxis>(*this, *xAxis, true);
    left_ = std::make_unique<TChartAxis>(*this, *yAxis, false);
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);
    // Series add their own entries (ChartLegendItem) when they show in the legend.
    setAutoAddPlottableToLegend(false);
    titleFont_ = font();
    titleFont_.setBold(true);
    plotArea_ = axisRect();
    // The legend leaves the plot area for a row of its own above it, centred between two
    // spacers that take the width it does not need.
    plotArea_->insetLayout()->take(legend);
    legend->setVisible(true);
    legend->setFillOrder(QCPLegend::foColumnsFirst);
    legendRow_ = new QCPLayoutGrid;
    plotLayout()->addElement(1, 0, legendRow_);  // adopted before it gets its elements
    legendRow_->addElement(0, 0, new QCPLayoutElement(this));
    legendRow_->addElement(0, 1, legend);
    legendRow_->addElement(0, 2, new QCPLayoutElement(this));
    legendRow_->setColumnStretchFactors({1.0, HeaderStretch, 1.0});
    legendRow_->setMargins(QMargins(4, 4, 4, 0));
    title_ = new ChartTitle(this);
    plotLayout()->addElement(2, 0, title_);
    setNoAntialiasingOnDrag(true);
    setPlottingHint(QCP::phFastPolylines, true);
    applyBackground();
    arrangeLayout();
    connect(this, &QCustomPlot::beforeReplot, this, [this] { layOutFor(rect().size()); });
}

TChart::~TChart() {
    // Series outlive the chart: they lose their chart, keep their points.
    for (TChartSeries* series : QList<TChartSeries*>(series_)) series->setParentChart(nullptr);
    // Parts out of the layout go back in, so that the plot releases them in its own order.
    for (QCPLayoutElement* part :
         {static_cast<QCPLayoutElement*>(title_), static_cast<QCPLayoutElement*>(legendRow_)})
        if (!part->layout()) plotLayout()->addElement(plotLayout()->rowCount(), 0, part);
}

QSize TChart::minimumSizeHint() const { return {160, 120}; }

QSize TChart::sizeHint() const { return {400, 300}; }

void TChart::arrangeLayout() {
    QList<QCPLayoutElement*> rows;
    if (!titleLines_.isEmpty()) rows << title_;
    if (legendDrawn()) rows << legendRow_;
    rows << plotArea_;
    QCPLayoutGrid* grid = plotLayout();
    QList<QCPLayoutElement*> now;
    for (int row = 0; row < grid->rowCount(); ++row) now << grid->element(row, 0);
    if (now == rows && grid->columnCount() == 1) return;
    for (QCPLayoutElement* part :
         {static_cast<QCPLayoutElement*>(title_), static_cast<QCPLayoutElement*>(legendRow_),
          static_cast<QCPLayoutElement*>(plotArea_)})
        if (part->layout() == grid) grid->take(part);
    grid->simplify();
    for (int row = 0; row < rows.size(); ++row) {
        grid->addElement(row, 0, rows[row]);
        grid->setRowStretchFactor(row, rows[row] == plotArea_ ? 1.0 : HeaderStretch);
    }
}

void TChart::wrapLegend(int width) {
    const QMargins outer = legendRow_->margins();
    const QMargins inner = legend->margins();
    const int available =
        std::max(1, width - outer.left() - outer.right() - inner.left() - inner.right() - 2);
    // The legend's cells in fill order; the last row may hold empty ones.
    std::vector<int> widths;
    for (int i = 0; i < legend->itemCount(); ++i) {
        QCPAbstractLegendItem* entry = legend->item(i);
        if (!entry) continue;
        if (auto* item = qobject_cast<ChartLegendItem*>(entry))
            item->setMaximumEntryWidth(available);
        widths.push_back(entry->minimumOuterSizeHint().width());
    }
    const int columns = legendColumnCount(widths, available, legend->columnSpacing());
    if (legend->wrap() != columns || legend->columnCount() > columns) {
        legend->setWrap(columns);
        legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
    }
}

void TChart::layOutFor(const QSize& size) {
    setViewport(QRect(QPoint(0, 0), size));
    arrangeLayout();
    wrapLegend(size.width());
    prepareAxes();
}

bool TChart::legendDrawn() const {
    if (!legendShown_) return false;
    for (int i = 0; i < legend->itemCount(); ++i)
        if (legend->item(i)) return true;
    return false;
}

QStringList TChart::legendTexts() const {
    QStringList texts;
    for (int i = 0; i < legend->itemCount(); ++i) {
        if (const auto* item = qobject_cast<const ChartLegendItem*>(legend->item(i)))
            texts << item->shownText();
    }
    return texts;
}

QStringList TChart::shownTitleLines() const {
    return titleLines_.isEmpty() ? QStringList() : title_->shownLines();
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
    title_->setFont(titleFont_);
    title_->setText(titleLines_.join(QLatin1Char('\n')));
    arrangeLayout();
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

void TChart::setLegendVisible(bool visible) {
    legendShown_ = visible;
    arrangeLayout();
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

void TChart::refresh() {
    if (paused_ > 0) {
        refreshPending_ = true;
        return;
    }
    replot(QCustomPlot::rpQueuedReplot);
}

void TChart::resumeRedraw() {
    if (paused_ > 0) --paused_;
    if (paused_ == 0 && refreshPending_) {
        refreshPending_ = false;
        refresh();
    }
}

void TChart::redraw() { replot(QCustomPlot::rpImmediateRefresh); }

void TChart::attachSeries(TChartSeries& series) {
    if (!series_.contains(&series)) series_.append(&series);
    if (series.xValuesDateTime()) bottom_->setDateTime(true);
    arrangeLayout();
    refresh();
}

void TChart::detachSeries(TChartSeries& series) {
    series_.removeAll(&series);
    arrangeLayout();
    refresh();
}

void TChart::prepareAxes() {
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
    // The labels depend on the axis lengths, and the lengths on the labels (their widths
    // make the margins): the axes are prepared, the layout follows, and the axes are
    // prepared again for the lengths they have now.
    for (int pass = 0; pass < 2; ++pass) {
        bottom_->prepare(keys.lower, keys.upper, hasKeys);
        left_->prepare(values.lower, values.upper, hasValues);
        // Date labels are centred on their ticks; the first and the last need half a label
        // of room beside the plot area.
        const int half = (bottom_->widestLabelWidth() + 1) / 2 + 2;
        plotArea_->setMinimumMargins(QMargins(half, 0, half, 0));
        updateLayout();
    }
}

// Output

bool TChart::print(PrinterSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(width() > height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!setup.setUp(printer, this)) return false;
    // At the screen's resolution, fonts given in points take the same share of the chart as
    // on the screen; the whole picture is then scaled to the page.
    printer.setResolution(std::max(1, logicalDpiY()));
    const QSize size(std::max(1, width()), std::max(1, height()));
    QCPPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale =
        std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    layOutFor(size);
    toPainter(&painter, size.width(), size.height());
    const bool printed = painter.end();
    refresh();
    return printed;
}

QImage TChart::bitmap() {
    // Pictures draw without a replot, so the chart is laid out first.
    layOutFor(QSize(std::max(1, width()), std::max(1, height())));
    return toPixmap(std::max(1, width()), std::max(1, height())).toImage();
}

void TChart::copyToClipboardBitmap() { QGuiApplication::clipboard()->setImage(bitmap()); }

std::unique_ptr<QMimeData> TChart::pictureMimeData() {
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    layOutFor(QSize(w, h));
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(w, h));
    // Fonts given in points take the size they have on the screen.
    generator.setResolution(std::max(1, logicalDpiX()));
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
    layOutFor(rect().size());
    const double x0 = bottom_->pixelToValue(pixels.left());
    const double x1 = bottom_->pixelToValue(pixels.right());
    const double y0 = left_->pixelToValue(pixels.bottom());
    const double y1 = left_->pixelToValue(pixels.top());
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
    layOutFor(rect().size());
    rememberLimits();
    const auto shifted = [](const TChartAxis& axis, double pixels) {
        return QCPRange(axis.pixelToValue(axis.valueToPixel(axis.shownLower()) - pixels),
                        axis.pixelToValue(axis.valueToPixel(axis.shownUpper()) - pixels));
    };
    const QCPRange keys = shifted(*bottom_, delta.x());
    const QCPRange values = shifted(*left_, delta.y());
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
