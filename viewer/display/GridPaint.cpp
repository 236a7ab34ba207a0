#include "GridPaint.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "PaintWorkers.h"

namespace {

// Below this many pixels a second thread costs more than it saves.
constexpr std::int64_t PixelsPerWorker = 1 << 16;

// A drawn column: the grid column it shows, its pixels [left, right) and the part of them
// inside the picture [fillLeft, fillRight).
struct ColumnSpan {
    int column;
    int left;
    int right;
    int fillLeft;
    int fillRight;
};

// A drawn row: its offset in the window and its lines [top, bottom).
struct RowSpan {
    int offset;
    int top;
    int bottom;
};

// How a cell of the current row was drawn.
enum class CellState : std::uint8_t { Skipped, Data, Nodata };

// floor(size * (offset + 1) / count) in floating point.
int spanEnd(int size, int offset, int count) {
    return static_cast<int>(std::floor(static_cast<double>(size) * (offset + 1) / count));
}

// The drawn columns, each with its pixel span; columns beyond the right edge of the picture
// (not even their frame reaches it) are left out.
std::vector<ColumnSpan> drawnColumns(const ViewWindow& window, int pictureWidth) {
    std::vector<ColumnSpan> spans;
    const int count = window.columnCount();
    int left = 0;
    for (int offset = 0; offset < count && left <= pictureWidth; ++offset) {
        const int right = spanEnd(window.DrawWidth, offset, count);
        if (right == left) continue;
        spans.push_back({window.FirstCol + offset, left, right, std::max(left, 0),
                         std::min(right, pictureWidth)});
        left = right;
    }
    return spans;
}

// The drawn rows; a row less than a pixel high is merged into the next one.
std::vector<RowSpan> drawnRows(const ViewWindow& window) {
    std::vector<RowSpan> rows;
    const int count = window.rowCount();
    int top = 0;
    for (int offset = 0; offset < count; ++offset) {
        const int bottom = spanEnd(window.DrawHeight, offset, count);
        if (bottom == top) continue;
        rows.push_back({offset, top, bottom});
        top = bottom;
    }
    return rows;
}

// Writes pixels into an RGB32 picture through its scanlines, clipped to the picture.
class PixelWriter {
public:
    explicit PixelWriter(QImage& picture)
        : bits_(picture.bits()),
          stride_(picture.bytesPerLine()),
          width_(picture.width()),
          height_(picture.height()) {}

    std::uint32_t* line(int y) const {
        return reinterpret_cast<std::uint32_t*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_);
    }

    // Pixels [left, right) of line y.
    void fillSpan(int y, int left, int right, std::uint32_t pixel) const {
        if (y < 0 || y >= height_) return;
        left = std::max(left, 0);
        right = std::min(right, width_);
        if (left < right) std::fill(line(y) + left, line(y) + right, pixel);
    }

    // Pixels [left, right) of line `from` copied to line `to`.
    void copySpan(int from, int to, int left, int right) const {
        left = std::max(left, 0);
        right = std::min(right, width_);
        if (left < right)
            std::memcpy(line(to) + left, line(from) + left,
                        static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
    }

    // The column x from line top to line bottom, both included.
    void column(int x, int top, int bottom, std::uint32_t pixel) const {
        if (x < 0 || x >= width_) return;
        for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) line(y)[x] = pixel;
    }

    // The outline of the rectangle [left, right) x [top, bottom), on lines from `firstLine` on.
    void frame(int left, int top, int right, int bottom, std::uint32_t pixel,
               int firstLine = INT_MIN) const {
        if (top >= firstLine) fillSpan(top, left, right, pixel);
        if (bottom - 1 >= firstLine) fillSpan(bottom - 1, left, right, pixel);
        column(left, std::max(top, firstLine), bottom - 1, pixel);
        column(right - 1, std::max(top, firstLine), bottom - 1, pixel);
    }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

// A line of a frame that the first row of a band draws above the band, on the last line of the
// band before it: it is drawn once every band is done, as it would have been drawn after the
// whole band above.
struct LineAbove {
    int y;
    int left;
    int right;
    std::uint32_t pixel;
};

// Paints cell rows, one after the other; each thread has its own.
class RowPainter {
public:
    RowPainter(const PixelWriter& pixels, const GridRows& values, double nodataValue,
               const ViewWindow& window, const ColourLookup& lookup,
               const std::vector<ColumnSpan>& spans, const PaintSettings& settings)
        : pixels_(pixels),
          values_(values),
          nodataValue_(nodataValue),
          firstRow_(window.FirstRow),
          drawWidth_(window.DrawWidth),
          lookup_(lookup),
          spans_(spans),
          settings_(settings),
          cellValues_(spans.size()),
          cellPixels_(spans.size()),
          states_(spans.size()) {}

    // Paints `row`; with `linesAbove`, the frame lines above the row are kept there instead.
    // The cells of `next`, the row painted after it, are fetched from memory meanwhile.
    void paint(const RowSpan& row, std::vector<LineAbove>* linesAbove, const RowSpan* next) {
        const int top = row.top;
        const int bottom = row.bottom;
        const double* cells = values_.row(firstRow_ + row.offset);
        const std::size_t count = spans_.size();
        for (std::size_t s = 0; s < count; ++s) cellValues_[s] = cells[spans_[s].column];
        if (next) {
            // A big grid's cells are read far apart, a row of a whole grid's picture in another
            // place of memory each time: fetched ahead, they arrive while this row is coloured.
            const double* nextCells = values_.row(firstRow_ + next->offset);
            for (std::size_t s = 0; s < count; ++s)
                __builtin_prefetch(nextCells + spans_[s].column);
        }
        lookup_.pixels(cellValues_.data(), cellPixels_.data(), count);

        // The first line of the cell row, span by span.
        std::uint32_t* const line = pixels_.line(top);
        const std::uint32_t nodataPixel = settings_.ButtonFace.argb();
        bool anySkipped = false;
        for (std::size_t s = 0; s < count; ++s) {
            const bool nodata = cellValues_[s] == nodataValue_;
            if (nodata && settings_.NodataTransparent) {
                states_[s] = CellState::Skipped;
                anySkipped = true;
                continue;
            }
            states_[s] = nodata ? CellState::Nodata : CellState::Data;
            const ColumnSpan& span = spans_[s];
            const std::uint32_t pixel = nodata ? nodataPixel : cellPixels_[s];
            for (int x = span.fillLeft; x < span.fillRight; ++x) line[x] = pixel;
        }

        // The other lines of the cell row are copies of the first, except under skipped cells,
        // which keep what the picture showed there.
        for (int y = top + 1; y < bottom; ++y) {
            if (!anySkipped) {
                pixels_.copySpan(top, y, 0, drawWidth_);
                continue;
            }
            std::size_t s = 0;
            while (s < count) {
                if (states_[s] == CellState::Skipped) {
                    ++s;
                    continue;
                }
                const int left = spans_[s].left;
                while (s + 1 < count && states_[s + 1] != CellState::Skipped) ++s;
                pixels_.copySpan(top, y, left, spans_[s].right);
                ++s;
            }
        }

        // Frames come after the fills of the row: no frame reaches a later cell of the row, so
        // the picture equals framing each cell right after filling it.
        if (settings_.DrawGridLines && bottom - 2 > top) {
            const int firstLine = linesAbove ? top : INT_MIN;
            for (std::size_t s = 0; s < count; ++s) {
                const ColumnSpan& span = spans_[s];
                if (states_[s] == CellState::Skipped || !(span.right - 2 > span.left)) continue;
                const std::uint32_t pixel = states_[s] == CellState::Nodata
                                                ? NodataLineColour.argb()
                                                : DataLineColour.argb();
                pixels_.frame(span.left - 1, top - 1, span.right, bottom, pixel, firstLine);
                if (linesAbove) linesAbove->push_back({top - 1, span.left - 1, span.right, pixel});
            }
        }
    }

private:
    const PixelWriter& pixels_;
    const GridRows& values_;
    double nodataValue_;
    int firstRow_;
    int drawWidth_;
    const ColourLookup& lookup_;
    const std::vector<ColumnSpan>& spans_;
    const PaintSettings& settings_;
    std::vector<double> cellValues_;
    std::vector<std::uint32_t> cellPixels_;
    std::vector<CellState> states_;
};

// The first drawn row of each band: band b paints rows [starts[b], starts[b + 1]). Bands hold
// about equal numbers of lines; without a requested number of threads, one per core and at
// least PixelsPerWorker pixels each.
std::vector<std::size_t> bandStarts(const std::vector<RowSpan>& rows, const ViewWindow& window,
                                    int requestedWorkers) {
    const std::int64_t pixels = std::int64_t(window.DrawWidth) * window.DrawHeight;
    const int bands = requestedWorkers > 0
                          ? requestedWorkers
                          : static_cast<int>(std::clamp<std::int64_t>(
                                pixels / PixelsPerWorker, 1, PaintWorkerCount(requestedWorkers)));
    std::vector<std::size_t> starts{0};
    std::size_t r = 0;
    for (int b = 1; b < bands; ++b) {
        const std::int64_t line = std::int64_t(window.DrawHeight) * b / bands;
        while (r < rows.size() && rows[r].top < line) ++r;
        if (r > starts.back() && r < rows.size()) starts.push_back(r);
    }
    starts.push_back(rows.size());
    return starts;
}

bool insideGrid(const ViewWindow& window, const GridRows& values) {
    return !window.isEmpty() && window.FirstRow >= 0 && window.FirstCol >= 0 &&
           window.LastRow <= values.rowCount() && window.LastCol <= values.columnCount();
}

}  // namespace

void FitWindow(ViewWindow& window, int width, int height) {
    if (window.isEmpty()) {
        window.DrawWidth = window.DrawHeight = 0;
        return;
    }
    const std::int64_t rows = window.rowCount();
    const std::int64_t columns = window.columnCount();
    std::int64_t drawWidth = width - 1;
    std::int64_t drawHeight = (rows + 1) * drawWidth / (columns + 1);
    if (drawHeight > height - 1) {
        drawHeight = height - 1;
        drawWidth = columns * drawHeight / rows;
    }
    // A box too small for a picture gives none: no later conversion between pixels and cells
    // may use a negative size.
    if (drawWidth <= 0 || drawHeight <= 0) drawWidth = drawHeight = 0;
    window.DrawWidth = static_cast<int>(drawWidth);
    window.DrawHeight = static_cast<int>(drawHeight);
}

void GridPaint(QImage& picture, const GridRows& values, double nodataValue, ViewWindow& window,
               const ColourClasses& classes, const PaintSettings& settings) {
    if (!insideGrid(window, values)) {
        window.DrawWidth = window.DrawHeight = 0;
        return;
    }
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    FitWindow(window, picture.width(), picture.height());
    if (picture.isNull() || window.DrawWidth <= 0 || window.DrawHeight <= 0) {
        if (settings.EraseGrid) picture.fill(EraseColour.argb());
        return;
    }

    const PixelWriter pixels(picture);
    const ColourLookup lookup(classes);
    const std::vector<ColumnSpan> spans = drawnColumns(window, pixels.width());
    const std::vector<RowSpan> rows = drawnRows(window);
    const std::vector<std::size_t> starts = bandStarts(rows, window, settings.Workers);
    const int bands = static_cast<int>(starts.size()) - 1;
    std::vector<std::vector<LineAbove>> linesAbove(static_cast<std::size_t>(bands));

    // Each band erases and paints its own lines: the first band from the top of the picture,
    // the last to its bottom.
    RunPaintWorkers(bands, [&](int band) {
        const std::size_t first = starts[static_cast<std::size_t>(band)];
        const std::size_t end = starts[static_cast<std::size_t>(band) + 1];
        if (settings.EraseGrid) {
            const int fromLine = band == 0 ? 0 : rows[first].top;
            const int toLine = band == bands - 1 ? pixels.height() : rows[end].top;
            if (fromLine < toLine) pixels.fillSpan(fromLine, 0, pixels.width(), EraseColour.argb());
            for (int y = fromLine + 1; y < toLine; ++y)
                pixels.copySpan(fromLine, y, 0, pixels.width());
        }
        RowPainter painter(pixels, values, nodataValue, window, lookup, spans, settings);
        for (std::size_t r = first; r < end; ++r)
            painter.paint(rows[r], band > 0 && r == first ? &linesAbove[band] : nullptr,
                          r + 1 < end ? &rows[r + 1] : nullptr);
    });
    for (const std::vector<LineAbove>& lines : linesAbove)
        for (const LineAbove& line : lines)
            pixels.fillSpan(line.y, line.left, line.right, line.pixel);
}
