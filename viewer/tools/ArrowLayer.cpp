#include "ArrowLayer.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <limits>

namespace {

// The painter writes arrow numbers 1 .. MaxNumber as the 24 bits of a colour; 0 is no arrow.
constexpr std::size_t MaxNumber = 0xFFFFFF;

// Bits [first, first + count) of a word; count 1 .. 64 - first.
inline std::uint64_t bitRange(int first, int count) {
    const std::uint64_t ones = count >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << count) - 1;
    return ones << first;
}

// Whether bits [first, last] of a row of words are all set.
inline bool allSet(const std::uint64_t* words, int first, int last) {
    for (int bit = first; bit <= last;) {
        const int word = bit >> 6;
        const int end = std::min(last + 1, (word + 1) << 6);
        const std::uint64_t wanted = bitRange(bit & 63, end - bit);
        if ((words[word] & wanted) != wanted) return false;
        bit = end;
    }
    return true;
}

}  // namespace

ArrowLayer::ArrowLayer(QSize size, uchar* pixels, qsizetype stride)
    : size_(size),
      pixels_(pixels),
      stride_(stride),
      words_((size.width() + 63) / 64),
      written_(std::make_unique<std::uint64_t[]>(static_cast<std::size_t>(words_) *
                                                 static_cast<std::size_t>(size.height()))),
      orders_(std::make_unique_for_overwrite<std::uint64_t[]>(
          static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()))),
      tileColumns_((size.width() + 7) / 8),
      tileWords_((tileColumns_ + 63) / 64),
      tileCounts_(static_cast<std::size_t>(tileColumns_) *
                  static_cast<std::size_t>((size.height() + 7) / 8)),
      fullTiles_(static_cast<std::size_t>(tileWords_) *
                 static_cast<std::size_t>((size.height() + 7) / 8)) {}

void ArrowLayer::add(std::uint64_t order, QPoint from, const ArrowShape& shape,
                     const ArrowStampTable::Stamp& stamp, std::uint32_t pixel) {
    const int left = from.x() + stamp.reach.left();
    const int top = from.y() + stamp.reach.top();
    const int right = from.x() + stamp.reach.right();
    const int bottom = from.y() + stamp.reach.bottom();
    if (left >= 0 && top >= 0 && right < size_.width() && bottom < size_.height()) {
        if (stamp.spans.empty() ||
            tilesWritten(from.x() + stamp.box.left(), from.y() + stamp.box.top(),
                         from.x() + stamp.box.right(), from.y() + stamp.box.bottom()))
            return;
        this->stamp(order, from, stamp, pixel);
        return;
    }
    // Across the edge: the part of the reach inside the picture.
    const int insideLeft = std::max(left, 0);
    const int insideTop = std::max(top, 0);
    const int insideRight = std::min(right, size_.width() - 1);
    const int insideBottom = std::min(bottom, size_.height() - 1);
    if (insideLeft > insideRight || insideTop > insideBottom ||
        tilesWritten(insideLeft, insideTop, insideRight, insideBottom))
        return;
    edges_.push_back({order, from, shape, pixel});
    edgeArea_ |= QRect(QPoint(insideLeft, insideTop), QPoint(insideRight, insideBottom));
}

void ArrowLayer::stamp(std::uint64_t order, QPoint from, const ArrowStampTable::Stamp& stamp,
                       std::uint32_t pixel) {
    // The lines of the stamp in bands that lie on one row of tiles each: a band whose pixels
    // lie on tiles written all over is passed by without looking at its runs.
    const int top = from.y() + stamp.box.top();
    const int lineCount = static_cast<int>(stamp.lines.size()) - 1;
    for (int first = 0; first < lineCount;) {
        const int tileRow = (top + first) >> 3;
        const int end = std::min(lineCount, ((tileRow + 1) << 3) - top);
        int left = std::numeric_limits<int>::max();
        int right = std::numeric_limits<int>::min();
        for (int k = first; k < end; ++k) {
            left = std::min<int>(left, stamp.lines[k].left);
            right = std::max<int>(right, stamp.lines[k].right);
        }
        if (left < right &&
            !allSet(fullTiles_.data() + static_cast<std::size_t>(tileRow) * tileWords_,
                    (from.x() + left) >> 3, (from.x() + right - 1) >> 3))
            stampSpans(
                order, from,
                stamp.spans.subspan(stamp.lines[first].firstSpan,
                                    stamp.lines[end].firstSpan - stamp.lines[first].firstSpan),
                pixel);
        first = end;
    }
}

void ArrowLayer::stampSpans(std::uint64_t order, QPoint from, std::span<const ArrowSpan> spans,
                            std::uint32_t pixel) {
    // The runs come line by line from the top.
    int y = from.y() + spans.front().dy;
    std::uint64_t* written = mutableWritten(y);
    for (const ArrowSpan& span : spans) {
        while (y < from.y() + span.dy) {
            ++y;
            written += words_;
        }
        const int first = from.x() + span.left;
        const int end = from.x() + span.right;
        for (int x = first; x < end;) {
            const int word = x >> 6;
            const int wordEnd = std::min(end, (word + 1) << 6);
            std::uint64_t fresh = bitRange(x & 63, wordEnd - x) & ~written[word];
            x = wordEnd;
            if (fresh == 0) continue;
            written[word] |= fresh;
            std::uint32_t* line = mutableLine(y);
            std::uint64_t* shown = orders(y);
            while (fresh != 0) {
                const int pixelX = (word << 6) + std::countr_zero(fresh);
                line[pixelX] = pixel;
                shown[pixelX] = order;
                markWritten(pixelX, y);
                fresh &= fresh - 1;
            }
        }
    }
}

void ArrowLayer::markWritten(int x, int y) {
    const int tileX = x >> 3;
    const int tileY = y >> 3;
    const int capacity = (std::min(size_.width(), (tileX + 1) * 8) - tileX * 8) *
                         (std::min(size_.height(), (tileY + 1) * 8) - tileY * 8);
    if (++tileCounts_[static_cast<std::size_t>(tileY) * tileColumns_ + tileX] == capacity)
        fullTiles_[static_cast<std::size_t>(tileY) * tileWords_ + (tileX >> 6)] |= std::uint64_t(1)
                                                                                   << (tileX & 63);
}

bool ArrowLayer::tilesWritten(int left, int top, int right, int bottom) const {
    const int firstTile = left >> 3;
    const int lastTile = right >> 3;
    const std::uint64_t* full = fullTiles_.data() + static_cast<std::size_t>(top >> 3) * tileWords_;
    const std::uint64_t* end =
        fullTiles_.data() + static_cast<std::size_t>(bottom >> 3) * tileWords_;
    if (firstTile >> 6 == lastTile >> 6) {
        // One word per row of tiles, as for every arrow shorter than 400 pixels.
        const std::uint64_t wanted = bitRange(firstTile & 63, lastTile - firstTile + 1);
        const std::ptrdiff_t word = firstTile >> 6;
        for (; full <= end; full += tileWords_)
            if ((full[word] & wanted) != wanted) return false;
        return true;
    }
    for (; full <= end; full += tileWords_)
        if (!allSet(full, firstTile, lastTile)) return false;
    return true;
}

void ArrowLayer::finish(int thickness) {
    if (edges_.empty()) return;
    QImage numbers(size_, QImage::Format_RGB32);
    numbers.fill(0);
    // In cell order, that is from the back of the list; at most MaxNumber arrows at a time.
    std::size_t next = edges_.size();
    while (next > 0) {
        const std::size_t first = next;
        {
            QPainter painter(&numbers);
            for (std::size_t number = 1; number <= MaxNumber && next > 0; ++number) {
                const EdgeArrow& arrow = edges_[--next];
                painter.setPen(ArrowPen(Colour::fromRgb(static_cast<int>(number >> 16),
                                                        static_cast<int>(number >> 8 & 0xFF),
                                                        static_cast<int>(number & 0xFF)),
                                        thickness));
                PaintArrow(painter, arrow.from, arrow.shape);
            }
        }
        takeEdgePixels(numbers, first);
    }
    edges_.clear();
}

void ArrowLayer::takeEdgePixels(QImage& numbers, std::size_t firstNumber) {
    for (int y = edgeArea_.top(); y <= edgeArea_.bottom(); ++y) {
        auto* numberLine = reinterpret_cast<std::uint32_t*>(numbers.scanLine(y));
        std::uint64_t* written = mutableWritten(y);
        std::uint32_t* line = mutableLine(y);
        std::uint64_t* shown = orders(y);
        for (int x = edgeArea_.left(); x <= edgeArea_.right(); ++x) {
            const std::uint32_t number = numberLine[x] & 0xFFFFFF;
            if (number == 0) continue;
            numberLine[x] = 0;
            // Number n is the n-th arrow drawn, edges_[firstNumber - n].
            const EdgeArrow& arrow = edges_[firstNumber - number];
            const std::uint64_t bit = std::uint64_t(1) << (x & 63);
            if ((written[x >> 6] & bit) != 0) {
                if (shown[x] > arrow.order) continue;
            } else {
                written[x >> 6] |= bit;
                markWritten(x, y);
            }
            line[x] = arrow.pixel;
            shown[x] = arrow.order;
        }
    }
}
