#include "ArrowLayer.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <limits>

namespace {

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

ArrowLayer::ArrowLayer(QSize size, uchar* pixels, qsizetype stride, int thickness)
    : size_(size),
      pixels_(pixels),
      stride_(stride),
      words_((size.width() + 63) / 64),
      written_(std::make_unique<std::uint64_t[]>(static_cast<std::size_t>(words_) *
                                                 static_cast<std::size_t>(size.height()))),
      thickness_(thickness),
      tileColumns_((size.width() + 7) / 8),
      tileWords_((tileColumns_ + 63) / 64),
      tileCounts_(static_cast<std::size_t>(tileColumns_) *
                  static_cast<std::size_t>((size.height() + 7) / 8)),
      fullTiles_(static_cast<std::size_t>(tileWords_) *
                 static_cast<std::size_t>((size.height() + 7) / 8)) {}

ArrowLayer::~ArrowLayer() {
    if (edgePainter_) edgePainter_->end();
}

void ArrowLayer::add(QPoint from, const ArrowShape& shape, const ArrowStampTable::Stamp& stamp,
                     std::uint32_t pixel) {
    const int left = from.x() + stamp.reach.left();
    const int top = from.y() + stamp.reach.top();
    const int right = from.x() + stamp.reach.right();
    const int bottom = from.y() + stamp.reach.bottom();
    if (left >= 0 && top >= 0 && right < size_.width() && bottom < size_.height()) {
        if (stamp.spans.empty() ||
            allWritten(from.x() + stamp.box.left(), from.y() + stamp.box.top(),
                       from.x() + stamp.box.right(), from.y() + stamp.box.bottom()))
            return;
        this->stamp(from, stamp, pixel);
        return;
    }
    // Across the edge: the part of the reach inside the picture.
    const int insideLeft = std::max(left, 0);
    const int insideTop = std::max(top, 0);
    const int insideRight = std::min(right, size_.width() - 1);
    const int insideBottom = std::min(bottom, size_.height() - 1);
    if (insideLeft > insideRight || insideTop > insideBottom ||
        allWritten(insideLeft, insideTop, insideRight, insideBottom))
        return;
    paintAcrossEdge(from, shape,
                    QRect(QPoint(insideLeft, insideTop), QPoint(insideRight, insideBottom)), pixel);
}

void ArrowLayer::stamp(QPoint from, const ArrowStampTable::Stamp& stamp, std::uint32_t pixel) {
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
                from,
                stamp.spans.subspan(stamp.lines[first].firstSpan,
                                    stamp.lines[end].firstSpan - stamp.lines[first].firstSpan),
                pixel);
        first = end;
    }
}

void ArrowLayer::stampSpans(QPoint from, std::span<const ArrowSpan> spans, std::uint32_t pixel) {
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
            while (fresh != 0) {
                const int pixelX = (word << 6) + std::countr_zero(fresh);
                line[pixelX] = pixel;
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

bool ArrowLayer::pixelsWritten(int left, int top, int right, int bottom) const {
    // The same words of every line, with the masks of the box's first and last word.
    const int firstWord = left >> 6;
    const int lastWord = right >> 6;
    const std::uint64_t firstMask = ~std::uint64_t(0) << (left & 63);
    const std::uint64_t lastMask = ~std::uint64_t(0) >> (63 - (right & 63));
    const std::uint64_t* line = written(top);
    const std::uint64_t* const end = written(bottom + 1);
    if (firstWord == lastWord) {
        const std::uint64_t mask = firstMask & lastMask;
        for (; line != end; line += words_)
            if ((line[firstWord] & mask) != mask) return false;
        return true;
    }
    for (; line != end; line += words_) {
        if ((line[firstWord] & firstMask) != firstMask || (line[lastWord] & lastMask) != lastMask)
            return false;
        for (int word = firstWord + 1; word < lastWord; ++word)
            if (line[word] != ~std::uint64_t(0)) return false;
    }
    return true;
}

void ArrowLayer::paintAcrossEdge(QPoint from, const ArrowShape& shape, const QRect& inside,
                                 std::uint32_t pixel) {
    if (!edgePainter_) {
        edgeScratch_ = QImage(size_, QImage::Format_RGB32);
        edgeScratch_.fill(0);
        edgePainter_ = std::make_unique<QPainter>(&edgeScratch_);
        edgePainter_->setPen(ArrowPen(Colour(0xFFFFFF), thickness_));
    }
    PaintArrow(*edgePainter_, from, shape);
    // The painter's pixels lie within the reach; each is taken unless a later arrow wrote it,
    // and the scratch is left black again.
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* drawn = reinterpret_cast<std::uint32_t*>(edgeScratch_.scanLine(y));
        std::uint64_t* written = mutableWritten(y);
        std::uint32_t* line = mutableLine(y);
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (drawn[x] == 0) continue;
            const bool painted = drawn[x] != 0xFF000000u;
            drawn[x] = 0;
            const std::uint64_t bit = std::uint64_t(1) << (x & 63);
            if (!painted || (written[x >> 6] & bit) != 0) continue;
            written[x >> 6] |= bit;
            markWritten(x, y);
            line[x] = pixel;
        }
    }
}
