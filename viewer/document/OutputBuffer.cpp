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
    if (failed_ || count == 0) return;
    if (device_.write(bytes, qint64(count)) != qint64(count)) failed_ = true;
}
