#pragma once
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "ArrowShape.h"
#include "ArrowStamps.h"

// The arrows of a run of cells, drawn from the last to the first so that each pixel is written
// once, by the last arrow that covers it: a pixel that a later arrow has covered is never
// written again. The layer notes which pixels it has written.
//
// Arrows whose reach lies inside the picture are written as their stamps; one whose box lies
// on tiles of 8 x 8 pixels that are written all over is passed by. An arrow that crosses the
// picture's edge, whose pixels only the painter knows, is passed by when all of its reach in
// the picture is written; else the painter draws it into a scratch picture of the same size (so
// that it clips it as it would on the picture), and its pixels not yet written are taken.
class ArrowLayer {
public:
    // An empty layer over a picture of `size` whose pixels go to `pixels`, lines `stride`
    // bytes apart, for arrows drawn with pen width `thickness`.
    ArrowLayer(QSize size, uchar* pixels, qsizetype stride, int thickness);
    ~ArrowLayer();
    ArrowLayer(const ArrowLayer&) = delete;
    ArrowLayer& operator=(const ArrowLayer&) = delete;

    // Adds an arrow that comes before every arrow added so far, from `from`. `stamp` is the
    // shape's stamp (with the layer's pen width).
    void add(QPoint from, const ArrowShape& shape, const ArrowStampTable::Stamp& stamp,
             std::uint32_t pixel);

    // Whether the pixels [left, right] x [top, bottom] that lie inside the picture are all
    // written, so that an arrow within them would show nowhere (also when none lies inside).
    bool hidden(int left, int top, int right, int bottom) const {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, size_.width() - 1);
        bottom = std::min(bottom, size_.height() - 1);
        return left > right || top > bottom || allWritten(left, top, right, bottom);
    }

    // The pixels of line y the layer has written: bit x % 64 of word x / 64.
    const std::uint64_t* written(int y) const {
        return written_.get() + static_cast<std::ptrdiff_t>(y) * words_;
    }
    const std::uint32_t* line(int y) const {
        return reinterpret_cast<const std::uint32_t*>(pixels_ + y * stride_);
    }

private:
    std::uint32_t* mutableLine(int y) const {
        return reinterpret_cast<std::uint32_t*>(pixels_ + y * stride_);
    }
    std::uint64_t* mutableWritten(int y) {
        return written_.get() + static_cast<std::ptrdiff_t>(y) * words_;
    }
    void stamp(QPoint from, const ArrowStampTable::Stamp& stamp, std::uint32_t pixel);
    void stampSpans(QPoint from, std::span<const ArrowSpan> spans, std::uint32_t pixel);
    // Draws an arrow across the edge whose reach in the picture is `inside`.
    void paintAcrossEdge(QPoint from, const ArrowShape& shape, const QRect& inside,
                         std::uint32_t pixel);
    void markWritten(int x, int y);
    // Pixels [left, right] x [top, bottom], inside the picture.
    bool tilesWritten(int left, int top, int right, int bottom) const;
    // Likewise pixel by pixel, for boxes on tiles partly written: a line at a time, from the
    // top, where the arrows of later rows have not yet written.
    bool pixelsWritten(int left, int top, int right, int bottom) const;
    bool allWritten(int left, int top, int right, int bottom) const {
        return tilesWritten(left, top, right, bottom) || pixelsWritten(left, top, right, bottom);
    }

    QSize size_;
    uchar* pixels_;
    qsizetype stride_;
    int words_;
    std::unique_ptr<std::uint64_t[]> written_;
    int thickness_;
    // Tiles of 8 x 8 pixels: how many pixels of each are written, and a bit for each tile
    // written all over.
    int tileColumns_;
    int tileWords_;
    std::vector<std::uint8_t> tileCounts_;
    std::vector<std::uint64_t> fullTiles_;
    // Where the arrows across the edge are drawn, in white on black, once there is one.
    QImage edgeScratch_;
    std::unique_ptr<QPainter> edgePainter_;
};
