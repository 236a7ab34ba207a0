#pragma once
// Reads whitespace-separated numbers and lines from bytes in memory, the way a text stream
// does: a number read skips any whitespace before it (line breaks included) and stops at the
// first character that cannot continue it. Numbers never depend on the locale.
#include <cstddef>
#include <string_view>

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }
    void setPosition(std::size_t position) {
        pos_ = position < text_.size() ? position : text_.size();
    }
    // The next character; only valid when not at the end.
    char peek() const { return text_[pos_]; }

    // An integer with an optional sign; false when there is none or it does not fit an int.
    // Like a stream, a failed read still moves past the whitespace before the field.
    bool readInt(int& value);
    // A decimal number (sign, digits, point, exponent); false when there is none, it is out of
    // the double range, or it is "inf" or "nan". A failed read moves past the whitespace.
    bool readDouble(double& value);

    // The rest of the current line without its line ending (LF or CR LF); the position moves
    // past the line ending.
    std::string_view readLine();
    // Moves past the end of the current line.
    void skipLine();

private:
    // Position of the first character after whitespace from the current position.
    std::size_t afterSpace() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Space, tab, line feed, vertical tab, form feed or carriage return.
inline bool isTableSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool isTableDigit(char c) { return c >= '0' && c <= '9'; }
