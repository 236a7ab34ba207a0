#include "GridView.h"

#include <QPainter>

#include "ClassBounds.h"
#include "GammaSetting.h"
#include "GridPaint.h"
#include "NumberText.h"

namespace {

// `picture` at another size: what does not fit is cut off, new room is filled with `room`.
QImage sizedLike(const QImage& picture, QSize size, QColor room) {
    if (picture.size() == size) return picture;
    QImage sized(size, QImage::Format_RGB32);
    sized.fill(room);
    QPainter painter(&sized);
    painter.drawImage(0, 0, picture);
    return sized;
}

}  // namespace

GridView::GridView() { resetLegend(); }

void GridView::choosePalette(int index) {
    paletteIndex_ = index;
    shownGamma_.reset();
    ApplyPaletteToLegend(palettes_, index, legendColours_);
}

bool GridView::changeGamma(int position) {
    gammaPosition_ = position;
    if (shownGamma_ == position) return false;
    palettes_.ChangeActPaletteGamma(paletteIndex_, GammaOfPosition(position));
    ApplyPaletteToLegend(palettes_, paletteIndex_, legendColours_);
    shownGamma_ = position;
    return true;
}

void GridView::invertPalette() {
    if (paletteIndex_ < 0 || paletteIndex_ >= static_cast<int>(palettes_.Palettes.size())) return;
    palettes_.InvertPalette(paletteIndex_);
    shownGamma_.reset();
    ApplyInversionToLegend(palettes_.Palettes[static_cast<std::size_t>(paletteIndex_)],
                           legendColours_);
}

void GridView::setLegendColour(int k, Colour colour) {
    if (k < 0 || k >= static_cast<int>(legendColours_.size())) return;
    legendColours_[static_cast<std::size_t>(k)] = colour;
    shownGamma_.reset();
}

void GridView::takeLegendValues(std::vector<double> bounds, std::vector<QString> labels) {
    classBounds_ = std::move(bounds);
    labels_ = std::move(labels);
}

void GridView::resetLegend() {
    LegendValues initial = InitialLegendValues(ColorStepCount);
    takeLegendValues(std::move(initial.ClassBounds), std::move(initial.labels));
    legendColours_.assign(static_cast<std::size_t>(ColorStepCount + 1), Colour());
    ApplyPaletteToLegend(palettes_, 0, legendColours_);
    shownGamma_.reset();
}

void GridView::updateLegendValues(const GridStatistics& statistics) {
    LegendValues values = ::UpdateLegendValues(statistics, range.RangeSet, range.RangeMin,
                                               range.RangeMax, ColorStepCount);
    takeLegendValues(std::move(values.ClassBounds), std::move(values.labels));
}

void GridView::setClassBound(int k, double bound) {
    if (k < 0 || k >= static_cast<int>(classBounds_.size())) return;
    classBounds_[static_cast<std::size_t>(k)] = bound;
    labels_[static_cast<std::size_t>(k)] = qFormatG(bound, 7);
}

void GridView::showWholeGridUnlessKept(const GridHeader& header) {
    const bool fits = window.LastRow <= header.rowCount() && window.LastCol <= header.columnCount();
    if (!(settings.KeepClipping && fits && !window.isEmpty()))
        FitPage(window, header.nrows, header.ncols);
}

ColourClasses GridView::colourClasses() const {
    return {classBounds_, legendColours_, settings.DiscontinuousColors};
}

SelectionMarks GridView::selectionMarks(QImage& picture, const GridDocument& document,
                                        Colour buttonFace) const {
    MarkSettings marks;
    marks.ButtonFace = buttonFace;
    marks.DrawGridLines = settings.DrawGridLines;
    return SelectionMarks(picture, window, *document.Values, document.header.nodata_value,
                          colourClasses(), marks);
}

void GridView::render(const GridDocument& document, const RenderTarget& target, QImage& picture,
                      QImage& legend) {
    ++renderCount_;
    const QColor face = target.style.face;
    if (document.hasValues()) {
        if (cells_.isNull()) {
            picture = QImage(target.picture, QImage::Format_RGB32);
            picture.fill(face);
        } else {
            picture = sizedLike(cells_, target.picture, face);
        }
        PaintSettings paint;
        paint.EraseGrid = settings.EraseGrid;
        paint.DrawGridLines = settings.DrawGridLines;
        paint.NodataTransparent = settings.NodataTransparent;
        paint.ButtonFace = Colour::fromQColor(face);
        GridPaint(picture, *document.Values, document.header.nodata_value, window, colourClasses(),
                  paint);
        cells_ = picture;
        selectionMarks(picture, document, paint.ButtonFace).PaintAllSelected(document.selection);
        if (arrowMode != ArrowMode::None)
            DrawArrowOverlay(picture, arrows, document.header.nodata_value, window,
                             arrowMode == ArrowMode::FlowVelocities ? ArrowStart::LowerRightCorner
                                                                    : ArrowStart::CellCentre,
                             arrowOptions, stamps_);
    }
    legend = QImage(target.legend.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    PaintLegend(legend, {legendColours_, labels_}, target.style);
}
