#include "ArrowOverlay.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

#include "ArrowCulling.h"
#include "ArrowLayer.h"
#include "ArrowShape.h"
#include "PaintWorkers.h"
#include "RowRuns.h"

namespace {

// Below this many cells per thread a second thread costs more than it saves.
constexpr std::int64_t CellsPerWorker = 1 << 14;
// A thread takes rows from another only when they hold this many cells: each run costs a layer
// of the picture's size, to fill and to merge.
constexpr std::int64_t StolenCellsAtLeast = 4 * CellsPerWorker;

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

// Adds rows of arrows to layers, for one thread.
class RowDrawer {
public:
    RowDrawer(ArrowStampTable& stamps, const ArrowGrids& arrows, double nodataValue,
              const ViewWindow& view, const ArrowStarts& starts, const ArrowOptions& options)
        : stamps_(stamps),
          arrows_(arrows),
          nodataValue_(nodataValue),
          view_(view),
          starts_(starts),
          thickness_(options.ArrowThickness),
          maxMagnitude_(arrows.ArrowMaxMagnitude),
          shaper_(maxMagnitude_, options),
          boxes_(maxMagnitude_, options) {}

    // Adds the arrows of row i to `layer`, the last first; the largest magnitude must not be 0.
    void addRow(ArrowLayer& layer, int i) {
        const int y = starts_.y[static_cast<std::size_t>(i - view_.FirstRow)];
        const double* directions = arrows_.ArrowDirection->row(i) + view_.FirstCol;
        const double* magnitudes = arrows_.ArrowMagnitude->row(i) + view_.FirstCol;
        const int columns = view_.columnCount();
        // Most arrows of a dense view lie under later ones: those are passed by before their
        // shape or their stamp is looked up, by boxes found for the whole row at once.
        boxes_.findFor(directions, magnitudes, columns);
        for (int k = columns - 1; k >= 0; --k) {
            const double magnitude = magnitudes[k];
            const double direction = directions[k];
            if (magnitude == nodataValue_ || direction == nodataValue_) continue;
            const int x = starts_.x[static_cast<std::size_t>(k)];
            if (boxes_.given(k) && layer.hidden(x + boxes_.left[k], y + boxes_.top[k],
                                                x + boxes_.right[k], y + boxes_.bottom[k]))
                continue;
            const double angle = ScreenAngleOf(direction);
            const ArrowShape shape =
                shaper_.shapeWith(angle, shaper_.lengthOf(magnitude), NearSineCosine(angle));
            if (!shape.hasHead) continue;
            const QRect reach = ArrowReach(shape, thickness_);
            if (layer.hidden(x + reach.left(), y + reach.top(), x + reach.right(),
                             y + reach.bottom()))
                continue;
            layer.add(QPoint(x, y), shape, stamps_.stampOf(shape, thickness_),
                      ArrowColourFor(magnitude, maxMagnitude_).argb());
        }
    }

private:
    ArrowStampTable& stamps_;
    const ArrowGrids& arrows_;
    double nodataValue_;
    const ViewWindow& view_;
    const ArrowStarts& starts_;
    int thickness_;
    double maxMagnitude_;
    ArrowShaper shaper_;
    CoarseArrowBoxes boxes_;
};

// A layer of the overlay and, unless it draws into the picture, the pixels it draws into.
struct OwnLayer {
    std::unique_ptr<std::uint32_t[]> pixels;
    std::unique_ptr<ArrowLayer> layer;
};

// Pixels of the earlier layers that no later layer has written, into the picture, which the
// last layer drew into; lines [firstLine, endLine).
void mergeLayers(QImage& picture, const std::vector<const ArrowLayer*>& layers, int firstLine,
                 int endLine) {
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

    if (arrows.ArrowMaxMagnitude == 0) return;  // no arrow has a length

    // Each thread draws runs of rows, each run into a layer of its own; the last run's layer
    // draws into the picture itself, the others into pictures of their own that are merged
    // afterwards, later runs over earlier ones. A thread whose run is done takes half of what
    // another has left, so that rows dense with shown arrows do not keep one thread busy alone.
    RowRuns runs(view.FirstRow, view.LastRow, count,
                 static_cast<int>(std::max<std::int64_t>(
                     1, StolenCellsAtLeast / std::max(view.columnCount(), 1))));
    const QSize size = picture.size();
    std::vector<OwnLayer> layers(static_cast<std::size_t>(runs.capacity()));
    const int pictureRun = count - 1;
    const auto layerOf = [&](int run) -> ArrowLayer& {
        OwnLayer& own = layers[static_cast<std::size_t>(run)];
        if (run == pictureRun) {
            own.layer = std::make_unique<ArrowLayer>(size, picture.bits(), picture.bytesPerLine(),
                                                     options.ArrowThickness);
        } else {
            own.pixels = std::make_unique_for_overwrite<std::uint32_t[]>(
                static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()));
            own.layer =
                std::make_unique<ArrowLayer>(size, reinterpret_cast<uchar*>(own.pixels.get()),
                                             qsizetype(size.width()) * 4, options.ArrowThickness);
        }
        return *own.layer;
    };
    RunPaintWorkers(count, [&](int k) {
        RowDrawer drawer(stamps.table(k), arrows, nodataValue, view, starts, options);
        for (std::optional<int> run = k; run; run = runs.takeHalf()) {
            ArrowLayer& layer = layerOf(*run);
            while (const std::optional<int> row = runs.nextRow(*run)) drawer.addRow(layer, *row);
        }
    });
    if (runs.runCount() > 1) {
        std::vector<const ArrowLayer*> ordered;
        for (const int run : runs.runsInRowOrder())
            ordered.push_back(layers[static_cast<std::size_t>(run)].layer.get());
        RunPaintWorkers(count, [&](int k) {
            mergeLayers(picture, ordered, static_cast<int>(std::int64_t(size.height()) * k / count),
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
