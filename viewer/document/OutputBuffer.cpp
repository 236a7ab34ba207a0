#include "OutputBuffer.h"

#include <algorithm>

OutputBuffer::OutputBuffer(QIODevice& device, std::size_t capacity)
    : device_(device),
      buffer_(std::max<std::size_t>(capacity, 2 * maxNumberBytes)),
      capacity_(buffer_.size()) {}

void OutputBuffer::flush() {
    writeThrough(buffer_.data(), size_);
    size_ = 0;
}

void OutputBuffer::writeThrough(const char* bytes, std::size_t count) {
    // A write may take only part of the bytes (a file-size limit or a full disk
    // is met in the middle); writing the rest then fails with the system's
    // reason, which the device keeps in its error string.
    while (!failed_ && count > 0) {
        const qint64 written = device_.write(bytes, qint64(count));
        if (written <= 0) {
            failed_ = true;
            return;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
}
