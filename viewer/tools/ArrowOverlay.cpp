#include "ArrowOverlay.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

#include "ArrowCulling.h"
#include "ArrowLayer.h"
#include "ArrowShape.h"
#include "PaintWorkers.h"

namespace {

// Below this many cells per thread a second thread costs more than it saves.
constexpr std::int64_t CellsPerWorker = 1 << 14;

bool coversWindow(const ArrowGrids& arrows, const ViewWindow& view) {
    return arrows.present() && view.FirstRow >= 0 && view.FirstCol >= 0 &&
           view.LastRow <= arrows.ArrowDirection->rowCount() &&
           view.LastCol <= arrows.ArrowDirection->columnCount() &&
           view.LastRow <= arrows.ArrowMagnitude->rowCount() &&
           view.LastCol <= arrows.ArrowMagnitude->columnCount();
}

int workerCount(const ViewWindow& view, int requested) {
    if (requested > 0) return std::min(requested, view.rowCount());
    const std::int64_t cells = std::int64_t(view.rowCount()) * view.columnCount();
    return static_cast<int>(std::clamp<std::int64_t>(
        cells / CellsPerWorker, 1, std::min(PaintWorkerCount(0), view.rowCount())));
}

// Where the arrows of a view start: x of each column, y of each row.
struct ArrowStarts {
    std::vector<int> x;
    std::vector<int> y;
};

ArrowStarts startsOf(const ViewWindow& view, ArrowStart start) {
    int offsetX = 0;
    int offsetY = 0;
    if (start == ArrowStart::CellCentre) {
        offsetX = -static_cast<int>(
            std::floor(static_cast<double>(view.DrawWidth) / view.columnCount() * 0.5));
        offsetY = -static_cast<int>(
            std::floor(static_cast<double>(view.DrawHeight) / view.rowCount() * 0.5));
    }
    ArrowStarts starts;
    starts.x.reserve(static_cast<std::size_t>(view.columnCount()));
    for (int j = view.FirstCol; j < view.LastCol; ++j)
        starts.x.push_back(view.columnRight(j) + offsetX);
    starts.y.reserve(static_cast<std::size_t>(view.rowCount()));
    for (int i = view.FirstRow; i < view.LastRow; ++i)
        starts.y.push_back(view.rowBottom(i) + offsetY);
    return starts;
}

// Adds the arrows of rows [firstRow, endRow) to `layer`, the last first.
void addRows(ArrowLayer& layer, ArrowStampTable& stamps, const ArrowGrids& arrows,
             double nodataValue, const ViewWindow& view, const ArrowStarts& starts, int firstRow,
             int endRow, const ArrowOptions& options) {
    const int thickness = options.ArrowThickness;
    const double maxMagnitude = arrows.ArrowMaxMagnitude;
    if (maxMagnitude == 0) return;  // no arrow has a length
    const ArrowShaper shaper(maxMagnitude, options);
    CoarseArrowBoxes boxes(maxMagnitude, options);
    const int columns = view.columnCount();
    for (int i = endRow - 1; i >= firstRow; --i) {
        const int y = starts.y[static_cast<std::size_t>(i - view.FirstRow)];
        const double* directions = arrows.ArrowDirection->row(i) + view.FirstCol;
        const double* magnitudes = arrows.ArrowMagnitude->row(i) + view.FirstCol;
        // Most arrows of a dense view lie under later ones: those are passed by before their
        // shape or their stamp is looked up, by boxes found for the whole row at once.
        boxes.findFor(directions, magnitudes, columns);
        for (int k = columns - 1; k >= 0; --k) {
            const double magnitude = magnitudes[k];
            const double direction = directions[k];
            if (magnitude == nodataValue || direction == nodataValue) continue;
            const int x = starts.x[static_cast<std::size_t>(k)];
            if (boxes.given(k) && layer.hidden(x + boxes.left[k], y + boxes.top[k],
                                               x + boxes.right[k], y + boxes.bottom[k]))
                continue;
            const double angle = ScreenAngleOf(direction);
            const double length = shaper.lengthOf(magnitude);
            const ArrowShape shape = shaper.shapeWith(angle, length, NearSineCosine(angle));
            if (!shape.hasHead) continue;
            const QRect reach = ArrowReach(shape, thickness);
            if (layer.hidden(x + reach.left(), y + reach.top(), x + reach.right(),
                             y + reach.bottom()))
                continue;
            layer.add(QPoint(x, y), shape, stamps.stampOf(shape, thickness),
                      ArrowColourFor(magnitude, maxMagnitude).argb());
        }
    }
}

// Pixels of the earlier layers that no later layer has written, into the picture, which the
// last layer drew into; lines [firstLine, endLine).
void mergeLayers(QImage& picture, const std::vector<std::unique_ptr<ArrowLayer>>& layers,
                 int firstLine, int endLine) {
    const int words = (picture.width() + 63) / 64;
    const ArrowLayer& last = *layers.back();
    for (int y = firstLine; y < endLine; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int word = 0; word < words; ++word) {
            std::uint64_t taken = last.written(y)[word];
            for (std::size_t k = layers.size() - 1; k-- > 0;) {
                std::uint64_t fresh = layers[k]->written(y)[word] & ~taken;
                taken |= fresh;
                const std::uint32_t* source = layers[k]->line(y);
                while (fresh != 0) {
                    const int x = word * 64 + std::countr_zero(fresh);
                    line[x] = source[x];
                    fresh &= fresh - 1;
                }
            }
        }
    }
}

}  // namespace

void DrawArrowOverlay(QImage& picture, const ArrowGrids& arrows, double nodataValue,
                      const ViewWindow& view, ArrowStart start, const ArrowOptions& options,
                      ArrowStamps& stamps, int workers) {
    if (view.isEmpty() || !view.hasPicture() || !coversWindow(arrows, view)) return;
    if (picture.format() != QImage::Format_RGB32 &&
        picture.format() != QImage::Format_ARGB32_Premultiplied)
        picture.convertTo(QImage::Format_RGB32);
    if (picture.isNull()) return;
    const ArrowStarts starts = startsOf(view, start);
    const int count = workerCount(view, workers);
    stamps.makeTables(count);

    // Each thread draws a run of rows into a layer of its own; the last run's layer draws into
    // the picture itself, the others into pictures of their own that are merged afterwards,
    // later runs over earlier ones.
    const QSize size = picture.size();
    std::vector<std::unique_ptr<std::uint32_t[]>> ownPixels(static_cast<std::size_t>(count - 1));
    std::vector<std::unique_ptr<ArrowLayer>> layers;
    for (int k = 0; k < count; ++k) {
        if (k + 1 < count) {
            ownPixels[static_cast<std::size_t>(k)] =
                std::make_unique_for_overwrite<std::uint32_t[]>(
                    static_cast<std::size_t>(size.width()) *
                    static_cast<std::size_t>(size.height()));
            layers.push_back(std::make_unique<ArrowLayer>(
                size, reinterpret_cast<uchar*>(ownPixels[static_cast<std::size_t>(k)].get()),
                qsizetype(size.width()) * 4, options.ArrowThickness));
        } else {
            layers.push_back(std::make_unique<ArrowLayer>(
                size, picture.bits(), picture.bytesPerLine(), options.ArrowThickness));
        }
    }
    const int rows = view.rowCount();
    RunPaintWorkers(count, [&](int k) {
        const int firstRow = view.FirstRow + static_cast<int>(std::int64_t(rows) * k / count);
        const int endRow = view.FirstRow + static_cast<int>(std::int64_t(rows) * (k + 1) / count);
        ArrowLayer& layer = *layers[static_cast<std::size_t>(k)];
        addRows(layer, stamps.table(k), arrows, nodataValue, view, starts, firstRow, endRow,
                options);
    });
    if (count > 1) {
        RunPaintWorkers(count, [&](int k) {
            mergeLayers(picture, layers, static_cast<int>(std::int64_t(size.height()) * k / count),
                        static_cast<int>(std::int64_t(size.height()) * (k + 1) / count));
        });
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
