#include "SelectionMarks.h"

#include <algorithm>

namespace {

QRgb opaque(Colour colour) { return colour.argb() | 0xFF000000u; }

}  // namespace

SelectionMarks::SelectionMarks(QImage& picture, const ViewWindow& window, const GridRows& values,
                               double nodata, const ColourClasses& classes, MarkSettings settings)
    : picture_(picture),
      window_(window),
      values_(values),
      nodata_(nodata),
      colours_(classes),
      settings_(settings) {
    if (picture_.format() != QImage::Format_RGB32)
        picture_ = picture_.convertToFormat(QImage::Format_RGB32);
    if (!window_.isEmpty()) {
        sx_ = static_cast<double>(window_.DrawWidth) / window_.columnCount();
        sy_ = static_cast<double>(window_.DrawHeight) / window_.rowCount();
    }
}

QRgb SelectionMarks::cellPixel(int col, int row) const {
    const double value = values_.at(row - 1, col - 1);
    if (value == nodata_) return opaque(settings_.ButtonFace);
    return colours_.pixel(value);
}

SelectionMarks::Box SelectionMarks::markBox(int col, int row) const {
    const int left = static_cast<int>((col - window_.FirstCol - 1) * sx_);
    const int top = static_cast<int>((row - window_.FirstRow - 1) * sy_);
    const int right = static_cast<int>(left + sx_) - 1;
    const int bottom = static_cast<int>(top + sy_) - 1;
    return {left, top, std::max(right, left + 1) + 1, std::max(bottom, top + 1) + 1};
}

void SelectionMarks::fill(Box box, QRgb pixel) {
    const int left = std::max(box.left, 0);
    const int top = std::max(box.top, 0);
    const int right = std::min(box.right, picture_.width());
    const int bottom = std::min(box.bottom, picture_.height());
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        std::fill(line + left, line + right, pixel);
    }
}

void SelectionMarks::frame(Box box, int width, QRgb pixel) {
    fill({box.left, box.top, box.right, box.top + width}, pixel);
    fill({box.left, box.bottom - width, box.right, box.bottom}, pixel);
    fill({box.left, box.top, box.left + width, box.bottom}, pixel);
    fill({box.right - width, box.top, box.right, box.bottom}, pixel);
}

void SelectionMarks::PaintSelectedCell(int col, int row) {
    if (sx_ == 0 || sy_ == 0) return;
    const Box box = markBox(col, row);
    fill(box, cellPixel(col, row));
    frame(box, 2, opaque(SelectionFrameColour));
}

void SelectionMarks::PaintUnselectedCell(int col, int row) {
    if (sx_ == 0 || sy_ == 0) return;
    const int left = static_cast<int>((col - window_.FirstCol - 1) * sx_ - 1);
    const int top = static_cast<int>((row - window_.FirstRow - 1) * sy_ - 1);
    const Box mark = markBox(col, row);
    const Box box{left, top, std::max(static_cast<int>(left + sx_) + 1, mark.right),
                  std::max(static_cast<int>(top + sy_) + 1, mark.bottom)};
    fill(box, cellPixel(col, row));
    if (settings_.DrawGridLines) {
        const bool nodata = values_.at(row - 1, col - 1) == nodata_;
        frame(box, 1, opaque(nodata ? NodataLineColour : DataLineColour));
    }
}

void SelectionMarks::PaintAllSelected(const CellSelection& selection) {
    if (sx_ == 0 || sy_ == 0) return;
    for (const myPoint& point : selection.points) {
        const int col = point.x - 1;
        const int row = point.y - 1;
        if (col < window_.FirstCol || col >= window_.LastCol || row < window_.FirstRow ||
            row >= window_.LastRow)
            continue;
        PaintSelectedCell(point.x, point.y);
    }
}
