#pragma once
#include <QString>
#include <charconv>
#include <stdexcept>
#include <string>
#include <string_view>

// Conversions between numbers and the texts the user sees or types. Numbers are always written
// with a dot, whatever the locale, so files, the clipboard and the texts read back agree.

// printf "%.<precision>g" as in the C locale.
std::string formatG(double value, int precision = 6);
QString qFormatG(double value, int precision = 6);

// The general form with up to 15 significant digits used for values the user
// edited: fixed notation when the value is at least 1e-5 in magnitude and has
// at most 15 digits before the point, otherwise "1.5E-7" / "1E20".
QString formatGeneral15(double value);

// The slow path of fromCharsDouble, for a text that from_chars found out of range.
std::from_chars_result fromCharsOutOfRange(const char* first, const char* last, double& value);

// std::from_chars for a double, except that a number too small for a double is not out of
// range: it is read as the nearest double the platform holds, a subnormal number or a zero
// of its sign. A number too large stays out of range; "nan" and "inf" are read as from_chars
// reads them.
inline std::from_chars_result fromCharsDouble(const char* first, const char* last, double& value) {
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (result.ec != std::errc::result_out_of_range) return result;
    return fromCharsOutOfRange(first, last, value);
}

// Raised when a typed text is not a number; what() is the message shown to the user.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whole-text conversions: surrounding blanks are allowed, anything else that is
// not part of the number makes the conversion fail, and so do "nan" and "inf". The QString forms
// read typed text: besides the dot they take the decimal separator of the default QLocale when the
// text has no dot.
double parseDouble(const QString& text);  // throws ConversionError
int parseInt(const QString& text);        // throws ConversionError
bool tryParseDouble(std::string_view text, double& out);
bool tryParseInt(std::string_view text, int& out);

// The decimal number at the start of the text (after leading blanks); 0 when
// the text does not start with a number ("nan" and "inf" are no numbers here).
// Trailing text is ignored. The QString form reads typed text as parseDouble does.
double leadingNumber(std::string_view text);
double leadingNumber(const QString& text);
inline double leadingNumber(const char* text) { return leadingNumber(std::string_view(text)); }
