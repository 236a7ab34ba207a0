#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

#include "PreviewColours.h"

// The live colour picture of a generator's result matrix, painted into an image of the paint
// box's size. The colour scale starts from the field's mean and standard deviation and widens
// as computed cells fall outside it; whenever it widens, every cell computed so far is painted
// again with the new scale.
class FieldPreview {
public:
    static constexpr int Margin = 4;
    static constexpr double WideningDivisor = 20.0;

    // Where the paint box lies inside its panel: as wide as the panel (less 2) and
    // proportionally lower for grids wider than high, otherwise as high as the panel and
    // proportionally narrower, centred on the other side.
    static QRect boxGeometry(QSize panel, int nrows, int ncols);

    // matrix: Kelvra's row table, rows and columns counted from 1.
    void setInitialValues(double** matrix, int disttype, double stddev, double avg, int nrows,
                          int ncols, int endCol, int startRow, int endRow, int startCol);
    // Resizes the picture and paints every computed cell again.
    void setBoxSize(QSize size);
    // Extends the scale to the cells from (startRow, startCol) to (endRow, endCol) and paints
    // them; everything computed so far when the scale had to widen.
    void GridPaint(int startRow, int startCol, int endCol, int endRow);
    // Fits the scale to the computed cells (narrowing it too) and paints them all again.
    void rescan();
    // A power of two from 2 to 256.
    void setColourDepth(int depth) { colourDepth_ = depth; }
    int colourDepth() const { return colourDepth_; }

    const QImage& image() const { return image_; }
    const PreviewScale& scale() const { return scale_; }
    struct Range {
        int startRow, endRow, startCol, endCol;
    };
    const Range& paintedRange() const { return range_; }
    QRect frameRect() const;

private:
    void clearPicture();
    void paintRange(int startRow, int startCol, int endCol, int endRow);
    void computeEdges();
    template <typename Visit>
    void forEachCell(int startRow, int startCol, int endCol, int endRow, Visit visit) const;

    double** matrix_ = nullptr;
    int nrows_ = 0;
    int ncols_ = 0;
    int disttype_ = 0;
    double stddev_ = 0.0;
    int colourDepth_ = 256;
    PreviewScale scale_;
    Range range_{0, 0, 1, 0};
    QImage image_;
    std::vector<int> xEdge_;  // x(c) for c = 0..ncols
    std::vector<int> yEdge_;  // y(r) for r = 0..nrows
};
