#include "ReferenceGridPaint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A drawn column: the grid column it shows, its pixels [left, right) and the part of them
// inside the picture [fillLeft, fillRight).
struct ColumnSpan {
    int column;
    int left;
    int right;
    int fillLeft;
    int fillRight;
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

    // The outline of the rectangle [left, right) x [top, bottom).
    void frame(int left, int top, int right, int bottom, std::uint32_t pixel) const {
        fillSpan(top, left, right, pixel);
        fillSpan(bottom - 1, left, right, pixel);
        column(left, top, bottom - 1, pixel);
        column(right - 1, top, bottom - 1, pixel);
    }

    int width() const { return width_; }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

bool insideGrid(const ViewWindow& window, const GridRows& values) {
    return !window.isEmpty() && window.FirstRow >= 0 && window.FirstCol >= 0 &&
           window.LastRow <= values.rowCount() && window.LastCol <= values.columnCount();
}

}  // namespace

void ReferenceGridPaint(QImage& picture, const GridRows& values, double nodataValue,
                        ViewWindow& window, const ColourClasses& classes,
                        const PaintSettings& settings) {
    if (!insideGrid(window, values)) {
        window.DrawWidth = window.DrawHeight = 0;
        return;
    }
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    FitWindow(window, picture.width(), picture.height());
    if (settings.EraseGrid) picture.fill(EraseColour.argb());
    if (picture.isNull() || window.DrawWidth <= 0 || window.DrawHeight <= 0) return;

    const PixelWriter pixels(picture);
    const ColourLookup lookup(classes);
    const std::vector<ColumnSpan> spans = drawnColumns(window, pixels.width());
    std::vector<CellState> states(spans.size());
    const std::uint32_t nodataPixel = settings.ButtonFace.argb();
    const std::uint32_t nodataLine = NodataLineColour.argb();
    const std::uint32_t dataLine = DataLineColour.argb();
    const int rows = window.rowCount();

    int top = 0;
    for (int offset = 0; offset < rows; ++offset) {
        const int bottom = spanEnd(window.DrawHeight, offset, rows);
        if (bottom == top) continue;  // less than a pixel high: merged into the next row
        const double* cells = values.row(window.FirstRow + offset);

        // The first line of the cell row, span by span.
        std::uint32_t* const line = pixels.line(top);
        bool anySkipped = false;
        for (std::size_t s = 0; s < spans.size(); ++s) {
            const ColumnSpan& span = spans[s];
            const double value = cells[span.column];
            const bool nodata = value == nodataValue;
            if (nodata && settings.NodataTransparent) {
                states[s] = CellState::Skipped;
                anySkipped = true;
                continue;
            }
            states[s] = nodata ? CellState::Nodata : CellState::Data;
            if (span.fillLeft >= span.fillRight) continue;
            const std::uint32_t pixel = nodata ? nodataPixel : lookup.pixel(value);
            for (int x = span.fillLeft; x < span.fillRight; ++x) line[x] = pixel;
        }

        // The other lines of the cell row are copies of the first, except under skipped cells,
        // which keep what the picture showed there.
        for (int y = top + 1; y < bottom; ++y) {
            if (!anySkipped) {
                pixels.copySpan(top, y, 0, window.DrawWidth);
                continue;
            }
            std::size_t s = 0;
            while (s < spans.size()) {
                if (states[s] == CellState::Skipped) {
                    ++s;
                    continue;
                }
                const int left = spans[s].left;
                while (s + 1 < spans.size() && states[s + 1] != CellState::Skipped) ++s;
                pixels.copySpan(top, y, left, spans[s].right);
                ++s;
            }
        }

        // Frames come after the fills of the row: no frame reaches a later cell of the row, so
        // the picture equals framing each cell right after filling it.
        if (settings.DrawGridLines && bottom - 2 > top) {
            for (std::size_t s = 0; s < spans.size(); ++s) {
                const ColumnSpan& span = spans[s];
                if (states[s] == CellState::Skipped || !(span.right - 2 > span.left)) continue;
                pixels.frame(span.left - 1, top - 1, span.right, bottom,
                             states[s] == CellState::Nodata ? nodataLine : dataLine);
            }
        }
        top = bottom;
    }
}
