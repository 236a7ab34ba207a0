#pragma once
#include <QIODevice>
#include <QString>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>
#include <vector>

#include "NumberText.h"

// Reads the words and numbers of a text file through a large buffer. Blanks,
// tabs, carriage returns, line feeds (and form feeds, vertical tabs) separate
// them. Numbers are parsed in place with std::from_chars (a number too small for a double
// reads as the nearest one, a subnormal or zero); the buffer always
// ends on a separator (or at the end of the file), so no word is cut in two.
class TextNumberScanner {
public:
    enum class Result { Number, End, NotANumber, OutOfRange };

    // Reads from the device's current position on. `name` is used in error messages only.
    TextNumberScanner(QIODevice& device, const QString& name, std::size_t chunkSize = 1 << 20);

    // The next word, valid until the next call; empty at the end of the text.
    std::string_view nextWord();

    // The next number. On NotANumber and OutOfRange the offending word stays
    // current (see currentWord) and nothing is consumed. "nan", "inf" and
    // "infinity" (any case, with or without sign) are not numbers of a grid.
    Result nextNumber(double& value) {
        if (!skipSeparators()) return Result::End;
        const char* start = pos_;
        // from_chars takes no leading '+'; a text number may carry one.
        if (*start == '+' && start + 1 < end_ && start[1] != '-' && start[1] != '+') ++start;
        if (const char* after = plainDecimal(start, value)) {
            pos_ = after;
            return Result::Number;
        }
        const auto [ptr, error] = fromCharsDouble(start, end_, value);
        if (ptr == start || (ptr < end_ && !isSeparator(*ptr))) return Result::NotANumber;
        if (error == std::errc::result_out_of_range) return Result::OutOfRange;
        // from_chars reads the words nan and inf; only they give a non-finite value.
        if (!std::isfinite(value)) return Result::NotANumber;
        pos_ = ptr;
        return Result::Number;
    }

    // The word at the current position (at most 40 characters), for messages.
    std::string currentWord();
    // Bytes of the file before the current position.
    std::int64_t consumed() const { return bufferStart_ + (pos_ - buffer_.data()); }
    // Bytes of the file read from the device so far (the end of the buffer).
    std::int64_t readOffset() const { return readOffset_; }
    // True when no word is left (before the stop, if one is set).
    bool atEnd() { return !skipSeparators(); }

    // Ends the text at file offset `offset`, which must follow a separator and lie at or after
    // readOffset(): the bytes from there on are left to another reader. resumeAfterStop()
    // reads on past it.
    void stopAt(std::int64_t offset) { stop_ = offset; }
    void resumeAfterStop() { stop_ = noStop; }

    static bool isSeparator(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

private:
    // The common word "[-]digits[.digits]" of at most 15 digits: its digits and the power of
    // ten are exact doubles, so one division rounds exactly as from_chars does. Returns the end
    // of the word, or null when the word needs from_chars (longer, with an exponent, or not a
    // number at all).
    const char* plainDecimal(const char* at, double& value) const {
        static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const bool negative = *at == '-';
        if (negative) ++at;
        std::uint64_t digits = 0;
        int count = 0;
        int decimals = 0;
        for (; at < end_ && static_cast<unsigned>(*at - '0') < 10; ++at, ++count)
            digits = digits * 10 + static_cast<unsigned>(*at - '0');
        if (at < end_ && *at == '.') {
            for (++at; at < end_ && static_cast<unsigned>(*at - '0') < 10;
                 ++at, ++count, ++decimals)
                digits = digits * 10 + static_cast<unsigned>(*at - '0');
        }
        if (count == 0 || count > 15 || (at < end_ && !isSeparator(*at))) return nullptr;
        value = static_cast<double>(digits) / powersOfTen[decimals];
        if (negative) value = -value;
        return at;
    }

    // Moves to the start of the next word; false at the end of the text.
    bool skipSeparators() {
        for (;;) {
            while (pos_ < safeEnd_ && isSeparator(*pos_)) ++pos_;
            if (pos_ < safeEnd_) return true;
            if (pos_ >= end_ && exhausted()) return false;
            refill();
        }
    }
    void refill();

    bool exhausted() const { return deviceEnded_ || readOffset_ >= stop_; }

    static constexpr std::int64_t noStop = INT64_MAX;

    QIODevice& device_;
    QString name_;
    std::vector<char> buffer_;
    const char* pos_ = nullptr;
    const char* safeEnd_ = nullptr;  // words that start before it end before it
    const char* end_ = nullptr;
    std::int64_t bufferStart_ = 0;  // file offset of buffer_[0]
    std::int64_t readOffset_ = 0;   // file offset of end_
    std::int64_t stop_ = noStop;
    bool deviceEnded_ = false;
};
