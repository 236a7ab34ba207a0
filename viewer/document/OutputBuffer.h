#pragma once
#include <QIODevice>
#include <charconv>
#include <cstddef>
#include <string_view>
#include <vector>

// Collects the bytes of a file in a large buffer and hands them to the device
// in big blocks. A partial write is continued; after the first failed write
// everything else is dropped and failed() stays true, the reason being the
// device's error string.
class OutputBuffer {
public:
    explicit OutputBuffer(QIODevice& device, std::size_t capacity = std::size_t(1) << 20);

    void append(std::string_view bytes) {
        if (bytes.size() > capacity_ - size_) {
            flush();
            if (bytes.size() > capacity_) {
                writeThrough(bytes.data(), bytes.size());
                return;
            }
        }
        std::copy(bytes.begin(), bytes.end(), buffer_.data() + size_);
        size_ += bytes.size();
    }
    void append(char c) {
        if (size_ == capacity_) flush();
        buffer_[size_++] = c;
    }
    // Appends `value` as printf "%.<precision>g" would write it (std::to_chars
    // with a precision gives exactly that text).
    void appendGeneral(double value, int precision) {
        if (capacity_ - size_ < maxNumberBytes) flush();
        char* start = buffer_.data() + size_;
        const auto result = std::to_chars(start, start + maxNumberBytes, value,
                                          std::chars_format::general, precision);
        size_ += static_cast<std::size_t>(result.ptr - start);
    }

    // Hands the collected bytes to the device.
    void flush();
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t maxNumberBytes = 64;
    void writeThrough(const char* bytes, std::size_t count);

    QIODevice& device_;
    std::vector<char> buffer_;
    std::size_t capacity_;
    std::size_t size_ = 0;
    bool failed_ = false;
};
