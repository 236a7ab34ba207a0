#include "ArrowOverlay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "ArrowShape.h"

namespace {

bool coversWindow(const ArrowGrids& arrows, const ViewWindow& view) {
    return arrows.present() && view.FirstRow >= 0 && view.FirstCol >= 0 &&
           view.LastRow <= arrows.ArrowDirection->rowCount() &&
           view.LastCol <= arrows.ArrowDirection->columnCount() &&
           view.LastRow <= arrows.ArrowMagnitude->rowCount() &&
           view.LastCol <= arrows.ArrowMagnitude->columnCount();
}

// Writes runs of pixels into an RGB32 picture.
class RunWriter {
public:
    explicit RunWriter(QImage& picture) : bits_(picture.bits()), stride_(picture.bytesPerLine()) {}

    // Runs that lie inside the picture.
    void writeInside(QPoint start, std::span<const ArrowSpan> spans, std::uint32_t pixel) const {
        std::uint32_t* origin =
            reinterpret_cast<std::uint32_t*>(bits_ + std::ptrdiff_t(start.y()) * stride_) +
            start.x();
        const std::ptrdiff_t words = stride_ / std::ptrdiff_t(sizeof(std::uint32_t));
        for (const ArrowSpan& span : spans) {
            std::uint32_t* run = origin + span.dy * words + span.left;
            for (int k = span.right - span.left; k > 0; --k) *run++ = pixel;
        }
    }

private:
    uchar* bits_;
    qsizetype stride_;
};

}  // namespace

void DrawArrowOverlay(QImage& picture, const ArrowGrids& arrows, double nodataValue,
                      const ViewWindow& view, ArrowStart start, const ArrowOptions& options,
                      ArrowStamps& stamps) {
    if (view.isEmpty() || !view.hasPicture() || !coversWindow(arrows, view)) return;
    if (picture.format() != QImage::Format_RGB32 &&
        picture.format() != QImage::Format_ARGB32_Premultiplied)
        picture.convertTo(QImage::Format_RGB32);
    int offsetX = 0;
    int offsetY = 0;
    if (start == ArrowStart::CellCentre) {
        offsetX = -static_cast<int>(
            std::floor(static_cast<double>(view.DrawWidth) / view.columnCount() * 0.5));
        offsetY = -static_cast<int>(
            std::floor(static_cast<double>(view.DrawHeight) / view.rowCount() * 0.5));
    }
    std::vector<int> columnEnds;
    columnEnds.reserve(static_cast<std::size_t>(view.columnCount()));
    for (int j = view.FirstCol; j < view.LastCol; ++j)
        columnEnds.push_back(view.columnRight(j) + offsetX);

    const RunWriter writer(picture);
    const QRect inside = picture.rect();
    const int thickness = options.ArrowThickness;
    // Arrows that cross the picture's edge are drawn by the painter itself, in their turn.
    std::optional<QPainter> painter;
    std::uint32_t penPixel = 0;
    const double maxMagnitude = arrows.ArrowMaxMagnitude;
    for (int i = view.FirstRow; i < view.LastRow; ++i) {
        const int y = view.rowBottom(i) + offsetY;
        const double* directions = arrows.ArrowDirection->row(i);
        const double* magnitudes = arrows.ArrowMagnitude->row(i);
        for (int j = view.FirstCol; j < view.LastCol; ++j) {
            const double magnitude = magnitudes[j];
            const double direction = directions[j];
            if (magnitude == nodataValue || direction == nodataValue) continue;
            const ArrowShape shape =
                ArrowShapeFor(ScreenAngleOf(direction), magnitude, maxMagnitude, options);
            if (!shape.hasHead) continue;
            const std::uint32_t pixel = ArrowColourFor(magnitude, maxMagnitude).argb();
            const QPoint from(columnEnds[static_cast<std::size_t>(j - view.FirstCol)], y);
            const QRect reach = ArrowReach(shape, thickness).translated(from);
            if (inside.contains(reach)) {
                writer.writeInside(from, stamps.spansOf(shape, thickness), pixel);
            } else if (inside.intersects(reach)) {
                if (!painter || pixel != penPixel) {
                    if (!painter) painter.emplace(&picture);
                    painter->setPen(
                        ArrowPen(Colour::fromQColor(QColor::fromRgb(pixel)), thickness));
                    penPixel = pixel;
                }
                PaintArrow(*painter, from, shape);
            }
        }
    }
}

void DrawArrowExamples(QImage& image, const ArrowOptions& options) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(ArrowPen(options.ArrowColor, options.ArrowThickness));
    const auto example = [&](QPoint start, int length) {
        PaintArrow(painter, start,
                   ArrowShapeWithTip(QPoint(length, 0), 0.0, options.ArrowPeakLength));
    };
    example(QPoint(10, 15), options.ArrowMinLength);
    example(QPoint(10, 30), options.ArrowMaxLength);
}
