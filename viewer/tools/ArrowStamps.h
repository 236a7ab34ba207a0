#pragma once
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "ArrowShape.h"

// A run of pixels of a drawn arrow, relative to the arrow's start: pixels left .. right - 1 of
// the line dy below the start.
struct ArrowSpan {
    int dy;
    int left;
    int right;
};

// The pen the arrows are drawn with.
QPen ArrowPen(Colour colour, int thickness);

// The pixels an arrow drawn from (0, 0) may touch, with room for the pen.
QRect ArrowReach(const ArrowShape& shape, int thickness);

// Draws `shape` from `start` with the painter's pen: the shaft, then the two head strokes.
// An arrow without length draws nothing.
void PaintArrow(QPainter& painter, QPoint start, const ArrowShape& shape);

// The pixels that the painter sets for each arrow shape, found once per shape and pen width by
// drawing it into a scratch picture, kept as runs. Writing these runs at a start point sets
// exactly the pixels that drawing the arrow there with the painter sets, without a painter
// state change per arrow, as long as the arrow's reach lies inside the picture: the painter
// clips lines that cross the picture's edge before it steps along them, which may move their
// pixels by one. Arrows of many cells share a shape, so each shape is drawn only once.
class ArrowStamps {
public:
    ArrowStamps();
    ~ArrowStamps();
    ArrowStamps(const ArrowStamps&) = delete;
    ArrowStamps& operator=(const ArrowStamps&) = delete;

    // The runs of `shape` drawn with pen width `thickness`; a new width forgets the shapes of
    // the old one.
    std::span<const ArrowSpan> spansOf(const ArrowShape& shape, int thickness);

    // Number of shapes drawn so far for the current pen width.
    std::size_t shapeCount() const { return shapeCount_; }

private:
    // A shape's runs: `count` runs from `first` in spans_. Key 0 marks a free slot (an arrow
    // without length has no runs and is never kept).
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    Slot& slotOf(std::uint64_t key);
    void grow();
    void drawShape(const ArrowShape& shape);

    int thickness_ = -1;
    QImage scratch_;
    std::unique_ptr<QPainter> painter_;
    // Open addressing over a power-of-two table, at most half full.
    std::vector<Slot> slots_ = std::vector<Slot>(1024);
    std::size_t shapeCount_ = 0;
    std::vector<ArrowSpan> spans_;
};
