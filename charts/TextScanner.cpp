#include "TextScanner.h"

#include <charconv>
#include <system_error>

std::size_t TextScanner::afterSpace() const {
    std::size_t at = pos_;
    while (at < text_.size() && isTableSpace(text_[at])) ++at;
    return at;
}

bool TextScanner::readInt(int& value) {
    pos_ = afterSpace();
    std::size_t at = pos_;
    // from_chars takes a minus sign but not a plus sign.
    if (at + 1 < text_.size() && text_[at] == '+' && isTableDigit(text_[at + 1])) ++at;
    const char* first = text_.data() + at;
    const auto result = std::from_chars(first, text_.data() + text_.size(), value);
    if (result.ec != std::errc()) return false;
    pos_ = static_cast<std::size_t>(result.ptr - text_.data());
    return true;
}

bool TextScanner::readDouble(double& value) {
    pos_ = afterSpace();
    std::size_t at = pos_;
    // Refuses "inf", "nan" and a second sign: a number starts with a digit or a point,
    // after at most one sign.
    std::size_t body = at;
    if (body < text_.size() && text_[body] == '+')
        at = ++body;
    else if (body < text_.size() && text_[body] == '-')
        ++body;
    if (body >= text_.size() || !(isTableDigit(text_[body]) || text_[body] == '.')) return false;
    const char* first = text_.data() + at;
    const auto result = std::from_chars(first, text_.data() + text_.size(), value);
    if (result.ec != std::errc()) return false;
    pos_ = static_cast<std::size_t>(result.ptr - text_.data());
    return true;
}

std::string_view TextScanner::readLine() {
    const std::size_t start = pos_;
    std::size_t end = text_.find('\n', start);
    if (end == std::string_view::npos) {
        end = text_.size();
        pos_ = end;
    } else {
        pos_ = end + 1;
    }
    if (end > start && text_[end - 1] == '\r') --end;
    return text_.substr(start, end - start);
}

void TextScanner::skipLine() {
    const std::size_t end = text_.find('\n', pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
}
