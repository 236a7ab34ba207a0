#include "NumberText.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

std::string_view trimmed(std::string_view text) {
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// from_chars does not take a leading '+'; typed numbers may carry one.
std::string_view withoutPlus(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        return text.substr(1);
    return text;
}

// The power of ten of the number's leading digit, roughly: negative for a number below 1.
// Only its sign matters, to tell a number too small from one too large. `text` is what
// from_chars took for a number, without its sign.
long long decimalExponent(std::string_view text) {
    const auto exponentAt = text.find_first_of("eE");
    const std::string_view digits = text.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view written = text.substr(exponentAt + 1);
        if (!written.empty() && written[0] == '+') written.remove_prefix(1);
        // An exponent beyond long long saturates; its sign is what counts.
        const auto result =
            std::from_chars(written.data(), written.data() + written.size(), exponent);
        if (result.ec == std::errc::result_out_of_range)
            exponent = written[0] == '-' ? -(1LL << 60) : (1LL << 60);
    }
    const auto point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return exponent + static_cast<long long>(whole.size() - firstWhole) - 1;
    if (point == std::string_view::npos) return exponent - 1;
    const std::string_view fraction = digits.substr(point + 1);
    const auto firstFraction = fraction.find_first_not_of('0');
    return exponent -
           static_cast<long long>(firstFraction == std::string_view::npos ? fraction.size()
                                                                          : firstFraction) -
           1;
}

}  // namespace

std::from_chars_result fromCharsOutOfRange(const char* first, const char* last, double& value) {
    // from_chars leaves the value alone when the number is out of range; the text it took
    // for the number tells whether it is too small or too large.
    long double wide = 0;
    const std::from_chars_result result = std::from_chars(first, last, wide);
    const bool negative = first != last && *first == '-';
    const std::string_view number(
        first + (negative ? 1 : 0),
        static_cast<std::size_t>(result.ptr - first) - (negative ? 1 : 0));
    if (decimalExponent(number) >= 0) return {result.ptr, std::errc::result_out_of_range};
    // A wider type may hold the number; narrowed, it gives the nearest double (a subnormal
    // number or a zero). Otherwise the nearest double is a zero.
    if (result.ec == std::errc())
        value = static_cast<double>(wide);
    else
        value = negative ? -0.0 : 0.0;
    return {result.ptr, std::errc()};
}

// std::to_chars with a precision writes exactly what printf writes in the C locale, whatever
// locale the program runs in (Qt sets LC_NUMERIC from the environment, so printf would write
// "-3,5" under a comma-decimal locale).
std::string formatG(double value, int precision) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, precision < 0 ? 6 : precision);
    return std::string(buffer, result.ptr);
}

QString qFormatG(double value, int precision) {
    return QString::fromStdString(formatG(value, precision));
}

QString formatGeneral15(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0) return QStringLiteral("0");
    // Round to 15 significant digits first; the exponent of the rounded value decides the form.
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const auto ePos = text.find('e');
    const int exponent = std::stoi(text.substr(ePos + 1));
    std::string mantissa = text.substr(0, ePos);
    if (exponent >= -5 && exponent < 15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               14 - exponent);
        std::string fixed(buffer, result.ptr);
        if (fixed.find('.') != std::string::npos) {
            while (fixed.back() == '0') fixed.pop_back();
            if (fixed.back() == '.') fixed.pop_back();
        }
        return QString::fromStdString(fixed);
    }
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
    return QString::fromStdString(mantissa + "E" + std::to_string(exponent));
}

bool tryParseDouble(std::string_view text, double& out) {
    text = withoutPlus(trimmed(text));
    if (text.empty()) return false;
    double value = 0;
    const auto result = fromCharsDouble(text.data(), text.data() + text.size(), value);
    // from_chars also reads "nan" and "inf", which are never data here.
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        return false;
    out = value;
    return true;
}

bool tryParseInt(std::string_view text, int& out) {
    text = withoutPlus(trimmed(text));
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

namespace {

// Typed text may use the locale's decimal separator in place of the dot.
std::string withDecimalPoint(const QString& typed) {
    std::string text = typed.toStdString();
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator[0] != QLatin1Char('.') &&
        separator[0].unicode() < 0x80) {
        const char comma = static_cast<char>(separator[0].unicode());
        if (text.find('.') == std::string::npos) {
            const auto at = text.find(comma);
            if (at != std::string::npos) text[at] = '.';
        }
    }
    return text;
}

}  // namespace

double parseDouble(const QString& text) {
    double value = 0;
    if (!tryParseDouble(withDecimalPoint(text), value))
        throw ConversionError(
            QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
    return value;
}

int parseInt(const QString& text) {
    int value = 0;
    if (!tryParseInt(text.toStdString(), value))
        throw ConversionError(
            QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    return value;
}

double leadingNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return 0.0;
    text = withoutPlus(text.substr(first));
    double value = 0.0;
    const auto result = fromCharsDouble(text.data(), text.data() + text.size(), value);
    // from_chars also reads "nan" and "inf"; such a text does not start with a number.
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

double leadingNumber(const QString& text) { return leadingNumber(withDecimalPoint(text)); }
