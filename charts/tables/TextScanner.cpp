#include "TextScanner.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace {

constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common "[-]digits[.digits]" with at most 15 digits: the digits as an integer and the
// power of ten are both exact doubles, so one division rounds exactly as from_chars does.
// Returns null when the text needs the general parser.
const char* readPlainDecimal(const char* at, const char* end, double& value) {
    const bool negative = *at == '-';
    if (negative) ++at;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    while (at < end && isTableDigit(*at)) {
        digits = digits * 10 + static_cast<unsigned>(*at++ - '0');
        ++count;
    }
    if (at < end && *at == '.') {
        ++at;
        while (at < end && isTableDigit(*at)) {
            digits = digits * 10 + static_cast<unsigned>(*at++ - '0');
            ++count;
            ++decimals;
        }
    }
    if (count == 0 || count > 15 || (at < end && (*at == 'e' || *at == 'E'))) return nullptr;
    value = static_cast<double>(digits) / powersOfTen[decimals];
    if (negative) value = -value;
    return at;
}

}  // namespace

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
    const char* end = text_.data() + text_.size();
    if (const char* after = readPlainDecimal(first, end, value)) {
        pos_ = static_cast<std::size_t>(after - text_.data());
        return true;
    }
    const auto result = std::from_chars(first, end, value);
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
