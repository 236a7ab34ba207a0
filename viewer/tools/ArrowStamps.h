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

// A line of a stamp: the pixels from the leftmost to the rightmost run on it,
// [left, right) relative to the arrow's start (empty when left >= right), and its first run.
struct StampLine {
    std::int16_t left;
    std::int16_t right;
    std::uint32_t firstSpan;
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
// A table serves one thread at a time.
class ArrowStampTable {
public:
    // A shape's runs, the box around them and its reach (ArrowReach). `lines` has one entry
    // per line of the box from its top and one more whose firstSpan ends the runs; the lines'
    // firstSpan count from the first run.
    struct Stamp {
        std::span<const ArrowSpan> spans;
        std::span<const StampLine> lines;
        QRect box;
        QRect reach;
    };

    ArrowStampTable();
    ~ArrowStampTable();
    ArrowStampTable(const ArrowStampTable&) = delete;
    ArrowStampTable& operator=(const ArrowStampTable&) = delete;

    // The runs of `shape` drawn with pen width `thickness`; a new width forgets the shapes of
    // the old one.
    std::span<const ArrowSpan> spansOf(const ArrowShape& shape, int thickness) {
        return stampOf(shape, thickness).spans;
    }
    Stamp stampOf(const ArrowShape& shape, int thickness);

    // Number of shapes drawn so far for the current pen width.
    std::size_t shapeCount() const { return entries_.size(); }

private:
    // A slot of the hash table of shapes whose tip lies beyond TipRange: a shape as one number
    // and its entry. Key 0 marks a free slot (an arrow without length has no runs and is never
    // kept).
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t entry = 0;
    };
    // A shape's runs: `count` runs from `first` in spans_; the next entry with the same tip.
    struct Entry {
        std::uint64_t key;
        std::uint32_t first;
        std::uint32_t count;
        std::uint32_t firstLine;
        std::uint32_t lineCount;
        std::uint32_t nextSameTip;
        QRect box;
        QRect reach;
    };
    // Tips up to this far in both directions are found through tips_.
    static constexpr int TipRange = 127;
    static constexpr int TipSide = 2 * TipRange + 1;
    static constexpr std::uint32_t NoEntry = 0xFFFFFFFF;

    std::uint32_t find(const ArrowShape& shape, std::uint64_t key);
    std::uint32_t addEntry(const ArrowShape& shape, std::uint64_t key);
    Slot& slotOf(std::uint64_t key);
    void grow();
    void forget(int thickness);
    void drawShape(const ArrowShape& shape, const QRect& reach);
    void addLines(std::uint32_t first, std::uint32_t count, const QRect& box);

    int thickness_ = -1;
    QImage scratch_;
    std::unique_ptr<QPainter> painter_;
    // For each tip within TipRange its last entry + 1 (0 for none), the others of the tip
    // chained through nextSameTip: arrows of neighbouring cells have neighbouring tips, so
    // their look-ups share cache lines, where a hash would scatter them.
    std::vector<std::uint32_t> tips_;
    // Open addressing over a power-of-two table, at most half full.
    std::vector<Slot> slots_ = std::vector<Slot>(1024);
    std::size_t hashed_ = 0;
    std::vector<Entry> entries_;
    std::vector<ArrowSpan> spans_;
    std::vector<StampLine> lines_;
    // The shape looked up last: neighbouring cells often share one.
    std::uint64_t lastKey_ = 0;
    std::uint32_t lastEntry_ = 0;
};

// What the arrow overlay keeps from one paint to the next: a table of stamps for each thread
// that draws arrows (the shapes of the view, each drawn once per thread).
class ArrowStamps {
public:
    ArrowStamps();
    ~ArrowStamps();
    ArrowStamps(const ArrowStamps&) = delete;
    ArrowStamps& operator=(const ArrowStamps&) = delete;

    // The runs of `shape` from the first thread's table.
    std::span<const ArrowSpan> spansOf(const ArrowShape& shape, int thickness);
    // Number of shapes drawn for the first thread's table.
    std::size_t shapeCount() const { return tables_.empty() ? 0 : tables_[0]->shapeCount(); }

    // Makes sure there are tables for `count` threads; then thread k uses table(k) only.
    void makeTables(int count);
    ArrowStampTable& table(int index) { return *tables_[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::unique_ptr<ArrowStampTable>> tables_;
};
