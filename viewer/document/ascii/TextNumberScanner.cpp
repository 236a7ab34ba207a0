#include "TextNumberScanner.h"

#include <algorithm>
#include <cstring>

#include "GridFormatError.h"

TextNumberScanner::TextNumberScanner(QIODevice& device, const QString& name, std::size_t chunkSize)
    : device_(device), name_(name), buffer_(std::max<std::size_t>(chunkSize, 64)) {
    pos_ = safeEnd_ = end_ = buffer_.data();
    bufferStart_ = readOffset_ = std::max<qint64>(device.pos(), 0);
}

void TextNumberScanner::refill() {
    char* const begin = buffer_.data();
    const std::size_t kept = static_cast<std::size_t>(end_ - pos_);
    if (kept == buffer_.size())
        throw GridFormatError(GridFormatError::Kind::Format,
                              QStringLiteral("\"%1\" holds a word longer than %2 bytes; it is "
                                             "not a grid.")
                                  .arg(name_)
                                  .arg(buffer_.size()));
    bufferStart_ += pos_ - begin;
    std::memmove(begin, pos_, kept);
    std::size_t filled = kept;
    while (filled < buffer_.size() && !exhausted()) {
        const std::int64_t room =
            std::min(std::int64_t(buffer_.size() - filled), stop_ - readOffset_);
        const qint64 read = device_.read(begin + filled, qint64(room));
        if (read < 0)
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not read \"%1\": %2").arg(name_, device_.errorString()));
        if (read == 0) {
            deviceEnded_ = true;
            break;
        }
        filled += static_cast<std::size_t>(read);
        readOffset_ += read;
    }
    pos_ = begin;
    end_ = begin + filled;
    safeEnd_ = end_;
    if (!exhausted()) {
        // Stop before the last word: it may continue in the next chunk.
        const char* last = end_;
        while (last > begin && !isSeparator(last[-1])) --last;
        safeEnd_ = last > begin ? last - 1 : begin;
    }
}

std::string_view TextNumberScanner::nextWord() {
    if (!skipSeparators()) return {};
    const char* start = pos_;
    while (pos_ < end_ && !isSeparator(*pos_)) ++pos_;
    return std::string_view(start, static_cast<std::size_t>(pos_ - start));
}

std::string TextNumberScanner::currentWord() {
    if (!skipSeparators()) return {};
    const char* stop = pos_;
    while (stop < end_ && stop - pos_ < 40 && !isSeparator(*stop)) ++stop;
    return std::string(pos_, stop);
}
