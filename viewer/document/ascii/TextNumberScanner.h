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

    // `name` is used in error messages only.
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

    static bool isSeparator(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

private:
    // Moves to the start of the next word; false at the end of the text.
    bool skipSeparators() {
        for (;;) {
            while (pos_ < safeEnd_ && isSeparator(*pos_)) ++pos_;
            if (pos_ < safeEnd_) return true;
            if (atEnd_) return false;
            refill();
        }
    }
    void refill();

    QIODevice& device_;
    QString name_;
    std::vector<char> buffer_;
    const char* pos_ = nullptr;
    const char* safeEnd_ = nullptr;  // words that start before it end before it
    const char* end_ = nullptr;
    std::int64_t bufferStart_ = 0;  // file offset of buffer_[0]
    bool atEnd_ = false;
};
