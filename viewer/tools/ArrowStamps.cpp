#include "ArrowStamps.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t MaxShapes = 1 << 18;

// A shape as one number: the tip (16 bits each) and the head ends relative to the tip (8 bits
// each; head strokes are at most 99 pixels long).
std::uint64_t keyOf(const ArrowShape& shape) {
    const auto bits16 = [](int value) { return static_cast<std::uint64_t>(value & 0xFFFF); };
    const auto bits8 = [](int value) { return static_cast<std::uint64_t>(value & 0xFF); };
    const QPoint head1 = shape.head1 - shape.tip;
    const QPoint head2 = shape.head2 - shape.tip;
    return bits16(shape.tip.x()) | bits16(shape.tip.y()) << 16 | bits8(head1.x()) << 32 |
           bits8(head1.y()) << 40 | bits8(head2.x()) << 48 | bits8(head2.y()) << 56;
}

}  // namespace

QRect ArrowReach(const ArrowShape& shape, int thickness) {
    int left = std::min(0, shape.tip.x());
    int right = std::max(0, shape.tip.x());
    int top = std::min(0, shape.tip.y());
    int bottom = std::max(0, shape.tip.y());
    if (shape.hasHead) {
        for (const QPoint& end : {shape.head1, shape.head2}) {
            left = std::min(left, end.x());
            right = std::max(right, end.x());
            top = std::min(top, end.y());
            bottom = std::max(bottom, end.y());
        }
    }
    const int margin = std::max(thickness, 1) + 2;
    return QRect(QPoint(left - margin, top - margin), QPoint(right + margin, bottom + margin));
}

QPen ArrowPen(Colour colour, int thickness) {
    return QPen(colour.toQColor(), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void PaintArrow(QPainter& painter, QPoint start, const ArrowShape& shape) {
    if (!shape.hasHead) return;
    const QPoint tip = start + shape.tip;
    const QLine strokes[] = {QLine(start, tip), QLine(tip, start + shape.head1),
                             QLine(tip, start + shape.head2)};
    painter.drawLines(strokes, 3);
}

ArrowStampTable::ArrowStampTable() = default;

ArrowStampTable::~ArrowStampTable() {
    if (painter_) painter_->end();
}

ArrowStampTable::Slot& ArrowStampTable::slotOf(std::uint64_t key) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t index = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (slots_[index].key != 0 && slots_[index].key != key) index = (index + 1) & mask;
    return slots_[index];
}

void ArrowStampTable::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.key != 0) slotOf(slot.key) = slot;
}

void ArrowStampTable::forget(int thickness) {
    thickness_ = thickness;
    std::fill(slots_.begin(), slots_.end(), Slot{});
    std::fill(tips_.begin(), tips_.end(), 0);
    hashed_ = 0;
    entries_.clear();
    spans_.clear();
    lines_.clear();
    lastKey_ = 0;
    if (painter_) painter_->setPen(ArrowPen(Colour(0xFFFFFF), thickness_));
}

ArrowStampTable::Stamp ArrowStampTable::stampOf(const ArrowShape& shape, int thickness) {
    // A new pen width, or more shapes than a view of long arrows in every direction has: start
    // afresh, so that the table does not grow without end over many grids and options.
    if (thickness != thickness_ || entries_.size() >= MaxShapes) forget(thickness);
    if (!shape.hasHead) return {{}, {}, {}, ArrowReach(shape, thickness)};
    const std::uint64_t key = keyOf(shape);
    if (key != lastKey_) {
        std::uint32_t index = find(shape, key);
        if (index == NoEntry) index = addEntry(shape, key);
        lastKey_ = key;
        lastEntry_ = index;
    }
    const Entry& entry = entries_[lastEntry_];
    return {{spans_.data() + entry.first, entry.count},
            {lines_.data() + entry.firstLine, entry.lineCount},
            entry.box,
            entry.reach};
}

std::uint32_t ArrowStampTable::find(const ArrowShape& shape, std::uint64_t key) {
    const int x = shape.tip.x() + TipRange;
    const int y = shape.tip.y() + TipRange;
    if (x >= 0 && x < TipSide && y >= 0 && y < TipSide) {
        if (tips_.empty()) return NoEntry;
        for (std::uint32_t next = tips_[static_cast<std::size_t>(y) * TipSide + x]; next != 0;
             next = entries_[next - 1].nextSameTip)
            if (entries_[next - 1].key == key) return next - 1;
        return NoEntry;
    }
    const Slot& slot = slotOf(key);
    return slot.key == 0 ? NoEntry : slot.entry;
}

std::uint32_t ArrowStampTable::addEntry(const ArrowShape& shape, std::uint64_t key) {
    const QRect reach = ArrowReach(shape, thickness_);
    const auto first = static_cast<std::uint32_t>(spans_.size());
    drawShape(shape, reach);
    const auto count = static_cast<std::uint32_t>(spans_.size()) - first;
    QRect box;
    for (std::uint32_t k = first; k < first + count; ++k)
        box |= QRect(spans_[k].left, spans_[k].dy, spans_[k].right - spans_[k].left, 1);
    const auto firstLine = static_cast<std::uint32_t>(lines_.size());
    addLines(first, count, box);
    const auto index = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back({key, first, count, firstLine,
                        static_cast<std::uint32_t>(lines_.size()) - firstLine, 0, box, reach});
    const int x = shape.tip.x() + TipRange;
    const int y = shape.tip.y() + TipRange;
    if (x >= 0 && x < TipSide && y >= 0 && y < TipSide) {
        if (tips_.empty()) tips_.assign(std::size_t(TipSide) * TipSide, 0);
        std::uint32_t& last = tips_[static_cast<std::size_t>(y) * TipSide + x];
        entries_.back().nextSameTip = last;
        last = index + 1;
    } else {
        if (2 * (hashed_ + 1) > slots_.size()) grow();
        slotOf(key) = Slot{key, index};
        ++hashed_;
    }
    return index;
}

void ArrowStampTable::addLines(std::uint32_t first, std::uint32_t count, const QRect& box) {
    std::uint32_t k = first;
    for (int dy = box.top(); dy <= box.bottom(); ++dy) {
        StampLine line{std::numeric_limits<std::int16_t>::max(),
                       std::numeric_limits<std::int16_t>::min(), k - first};
        for (; k < first + count && spans_[k].dy == dy; ++k) {
            line.left = static_cast<std::int16_t>(std::min<int>(line.left, spans_[k].left));
            line.right = static_cast<std::int16_t>(std::max<int>(line.right, spans_[k].right));
        }
        lines_.push_back(line);
    }
    lines_.push_back({0, 0, count});
}

void ArrowStampTable::drawShape(const ArrowShape& shape, const QRect& reach) {
    if (scratch_.width() < reach.width() || scratch_.height() < reach.height()) {
        if (painter_) painter_->end();
        const QSize size = scratch_.size().expandedTo(reach.size());
        scratch_ = QImage(size, QImage::Format_RGB32);
        scratch_.fill(0);
        painter_ = std::make_unique<QPainter>(&scratch_);
        painter_->setPen(ArrowPen(Colour(0xFFFFFF), thickness_));
    }
    // The start goes where the reach's top left corner lands on the scratch's origin; the
    // painter draws the same pixels at every whole-pixel start point.
    const QPoint start = -reach.topLeft();
    PaintArrow(*painter_, start, shape);
    for (int y = 0; y < reach.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(scratch_.scanLine(y));
        int x = 0;
        while (x < reach.width()) {
            if (line[x] == 0xFF000000u || line[x] == 0) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < reach.width() && line[x] != 0xFF000000u && line[x] != 0) ++x;
            spans_.push_back({y - start.y(), left - start.x(), x - start.x()});
        }
        std::memset(line, 0, static_cast<std::size_t>(reach.width()) * sizeof(std::uint32_t));
    }
}

ArrowStamps::ArrowStamps() = default;
ArrowStamps::~ArrowStamps() = default;

std::span<const ArrowSpan> ArrowStamps::spansOf(const ArrowShape& shape, int thickness) {
    makeTables(1);
    return tables_[0]->spansOf(shape, thickness);
}

void ArrowStamps::makeTables(int count) {
    while (static_cast<int>(tables_.size()) < count)
        tables_.push_back(std::make_unique<ArrowStampTable>());
}
