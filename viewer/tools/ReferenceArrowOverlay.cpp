#include "ReferenceArrowOverlay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "ArrowShape.h"

namespace {

// The arrow shapes as they were computed then.

// The head strokes leave the tip at this angle on both sides of the shaft.
constexpr double HeadAngle = ArrowPi / 7;

int headOffset(double component, int peakLength) {
    return static_cast<int>(std::floor(component * peakLength + 0.4999));
}

// headOffset of a cosine or sine found through the angle-addition identity, which is off from
// the directly computed one by a few units in the last place. Where that could change the
// floor, `exact` computes it directly.
template <class Exact>
int headOffset(double approximate, int peakLength, Exact exact) {
    const double offset = approximate * peakLength + 0.4999;
    const double whole = std::floor(offset);
    if (offset - whole < 1e-9 || whole + 1 - offset < 1e-9) return headOffset(exact(), peakLength);
    return static_cast<int>(whole);
}

// The head strokes of an arrow at `angle` whose cosine and sine are known.
void addHead(ArrowShape& shape, double angle, double cosine, double sine, int peakLength) {
    static const double cosHead = std::cos(HeadAngle);
    static const double sinHead = std::sin(HeadAngle);
    const double left = angle + HeadAngle;
    const double right = angle - HeadAngle;
    const int leftX = headOffset(cosine * cosHead - sine * sinHead, peakLength,
                                 [left] { return std::cos(left); });
    const int leftY = headOffset(sine * cosHead + cosine * sinHead, peakLength,
                                 [left] { return std::sin(left); });
    const int rightX = headOffset(cosine * cosHead + sine * sinHead, peakLength,
                                  [right] { return std::cos(right); });
    const int rightY = headOffset(sine * cosHead - cosine * sinHead, peakLength,
                                  [right] { return std::sin(right); });
    shape.head1 = shape.tip - QPoint(leftX, leftY);
    shape.head2 = shape.tip - QPoint(rightX, rightY);
}

ArrowShape referenceShapeFor(double angle, double magnitude, double maxMagnitude,
                             const ArrowOptions& options) {
    ArrowShape shape;
    if (maxMagnitude == 0) return shape;
    const double length =
        magnitude / maxMagnitude * options.ArrowMaxLength + options.ArrowMinLength;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    // A grid without cell size gives slopes and directions that are no numbers: no arrow.
    if (!std::isfinite(cosine * length) || !std::isfinite(sine * length)) return shape;
    shape.tip = QPoint(static_cast<int>(std::trunc(cosine * length)),
                       static_cast<int>(std::trunc(sine * length)));
    shape.hasHead = shape.tip != QPoint(0, 0);
    if (shape.hasHead) addHead(shape, angle, cosine, sine, options.ArrowPeakLength);
    return shape;
}

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

void ReferenceArrowOverlay(QImage& picture, const ArrowGrids& arrows, double nodataValue,
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
                referenceShapeFor(ScreenAngleOf(direction), magnitude, maxMagnitude, options);
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
