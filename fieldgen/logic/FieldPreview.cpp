#include "FieldPreview.h"

#include <algorithm>
#include <cmath>

QRect FieldPreview::boxGeometry(QSize panel, int nrows, int ncols) {
    if (nrows < 1 || ncols < 1) return QRect(2, 2, panel.width() - 2, panel.height() - 2);
    if (nrows < ncols) {
        const int width = panel.width() - 2;
        const int height =
            2 * Margin + int(std::trunc(double(nrows) / ncols * (width - 2 * Margin)));
        return QRect(2, (panel.height() - height) / 2, width, height);
    }
    const int height = panel.height() - 2;
    const int width = 2 * Margin + int(std::trunc(double(ncols) / nrows * (height - 2 * Margin)));
    return QRect((panel.width() - width) / 2, 2, width, height);
}

void FieldPreview::setInitialValues(double** matrix, int disttype, double stddev, double avg,
                                    int nrows, int ncols, int endCol, int startRow, int endRow,
                                    int startCol) {
    colourDepth_ = 256;
    range_ = Range{startRow, endRow, startCol, endCol};
    ncols_ = ncols;
    nrows_ = nrows;
    matrix_ = matrix;
    stddev_ = stddev;
    disttype_ = disttype;
    scale_.min = avg - stddev;
    scale_.max = avg + stddev;
    if (disttype != 0) {
        scale_.min = std::pow(10.0, avg - stddev);
        scale_.max = std::pow(10.0, avg + stddev);
    }
    scale_.mid = (scale_.min + scale_.max) / 2.0;
    computeEdges();
    clearPicture();
}

void FieldPreview::setBoxSize(QSize size) {
    if (size == image_.size()) return;
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    computeEdges();
    clearPicture();
    paintRange(1, 1, range_.endCol, range_.endRow);
}

QRect FieldPreview::frameRect() const {
    return QRect(QPoint(Margin, Margin),
                 QPoint(image_.width() - Margin - 1, image_.height() - Margin - 1));
}

void FieldPreview::computeEdges() {
    const int width = image_.width();
    const int height = image_.height();
    xEdge_.assign(std::size_t(std::max(ncols_, 0)) + 1, Margin);
    yEdge_.assign(std::size_t(std::max(nrows_, 0)) + 1, Margin);
    if (ncols_ < 1 || nrows_ < 1) return;  // no grid yet
    for (int c = 0; c <= ncols_; ++c)
        xEdge_[c] = int(std::floor(double(c) / ncols_ * (width - 2 * Margin - 2))) + Margin;
    for (int r = 0; r <= nrows_; ++r)
        yEdge_[r] = int(std::floor(double(r) / nrows_ * (height - 2 * Margin - 2))) + Margin;
}

void FieldPreview::clearPicture() {
    if (image_.isNull()) return;
    image_.fill(Qt::white);
    const QRect frame = frameRect();
    if (frame.width() < 1 || frame.height() < 1) return;
    const QRgb black = qRgb(0, 0, 0);
    auto* top = reinterpret_cast<QRgb*>(image_.scanLine(frame.top()));
    auto* bottom = reinterpret_cast<QRgb*>(image_.scanLine(frame.bottom()));
    for (int x = frame.left(); x <= frame.right(); ++x) top[x] = bottom[x] = black;
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        line[frame.left()] = line[frame.right()] = black;
    }
}

template <typename Visit>
void FieldPreview::forEachCell(int startRow, int startCol, int endCol, int endRow,
                               Visit visit) const {
    if (matrix_ == nullptr) return;
    const int lastRow = std::min(endRow, nrows_);
    for (int r = std::max(startRow, 1); r <= lastRow; ++r) {
        const int first = r == startRow ? std::max(startCol, 1) : 1;
        const int last = r == endRow ? std::min(endCol, ncols_) : ncols_;
        if (!visit(r, first, last)) return;
    }
}

void FieldPreview::GridPaint(int startRow, int startCol, int endCol, int endRow) {
    range_ = Range{startRow, endRow, startCol, endCol};
    bool lowered = false;
    bool raised = false;
    forEachCell(startRow, startCol, endCol, endRow, [&](int r, int first, int last) {
        const double* row = matrix_[r];
        for (int c = first; c <= last; ++c) {
            if (row[c] < scale_.min) {
                scale_.min = row[c];
                lowered = true;
            }
            if (row[c] > scale_.max) {
                scale_.max = row[c];
                raised = true;
            }
        }
        return true;
    });
    if (lowered || raised) {
        range_.startRow = 1;
        range_.startCol = 1;
        scale_.mid = (scale_.min + scale_.max) / 2.0;
        if (lowered) scale_.min -= (scale_.max - scale_.min) / WideningDivisor;
        if (raised) scale_.max += (scale_.max - scale_.min) / WideningDivisor;
    }
    paintRange(range_.startRow, range_.startCol, range_.endCol, range_.endRow);
}

void FieldPreview::paintRange(int startRow, int startCol, int endCol, int endRow) {
    if (image_.isNull()) return;
    forEachCell(startRow, startCol, endCol, endRow, [&](int r, int first, int last) {
        const int yFrom = yEdge_[r - 1] + 1;
        const int yTo = std::min(yEdge_[r], image_.height() - 1);
        if (yFrom > yTo) return true;  // the row covers no pixel line
        const double* row = matrix_[r];
        for (int c = first; c <= last; ++c) {
            const int xFrom = xEdge_[c - 1] + 1;
            const int xTo = std::min(xEdge_[c], image_.width() - 1);
            if (xFrom > xTo) continue;
            const QRgb colour = previewColour(row[c], scale_, colourDepth_);
            for (int y = yFrom; y <= yTo; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                std::fill(line + xFrom, line + xTo + 1, colour);
            }
        }
        return true;
    });
}

void FieldPreview::rescan() {
    if (matrix_ == nullptr || nrows_ < 1 || ncols_ < 1) return;
    double low = matrix_[1][1];
    double high = low;
    forEachCell(1, 1, range_.endCol, range_.endRow, [&](int r, int first, int last) {
        for (int c = first; c <= last; ++c) {
            low = std::min(low, matrix_[r][c]);
            high = std::max(high, matrix_[r][c]);
        }
        return true;
    });
    const PreviewScale previous = scale_;
    scale_.min = low;
    scale_.max = high;
    scale_.mid = (low + high) / 2.0;
    if (low < previous.min) scale_.min -= (scale_.max - scale_.min) / WideningDivisor;
    if (high > previous.max) scale_.max += (scale_.max - scale_.min) / WideningDivisor;
    clearPicture();
    paintRange(1, 1, range_.endCol, range_.endRow);
}
