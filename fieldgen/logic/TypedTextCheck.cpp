#include "TypedTextCheck.h"

#include <QLocale>
#include <algorithm>

#include "NumberText.h"

namespace {

template <typename Parse>
bool isNumber(const QString& text, Parse parse) {
    try {
        parse(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// Whether a character can be part of a typed number: digits, signs, the exponent, blanks at
// either end, the dot and the locale's decimal separator.
bool canBeInNumber(QChar character) {
    static const QString others = QStringLiteral("+-.eE \t\r\n");
    return (character >= QLatin1Char('0') && character <= QLatin1Char('9')) ||
           others.contains(character) || QLocale().decimalPoint().contains(character);
}

template <typename Parse>
CheckedText check(const QString& typed, int caret, Parse parse) {
    if (typed.isEmpty()) return {QStringLiteral("0"), 1, true};
    if (isNumber(typed, parse)) return {typed, caret, false};
    // A paste may bring several characters that are no number; they go one by one, as each
    // change would take away one, but in one pass instead of one change (and one nested
    // check) per character.
    QString text = typed;
    int at = std::clamp(caret, 0, int(text.size()));
    // A character that no number holds goes, and with it all after it up to the caret.
    for (int i = 0; i < at; ++i) {
        if (canBeInNumber(text[i])) continue;
        text.remove(i, at - i);
        at = i;
        if (text.isEmpty() || isNumber(text, parse)) return {text, at, true};
        break;
    }
    do {
        // With the caret at the start, the character after it goes instead.
        const int removed = at > 0 ? at - 1 : 0;
        text.remove(removed, 1);
        at = removed;
    } while (!text.isEmpty() && !isNumber(text, parse));
    return {text, at, true};
}

}  // namespace

CheckedText checkIntText(const QString& text, int caret) {
    return check(text, caret, [](const QString& typed) { return parseInt(typed); });
}

CheckedText checkFloatText(const QString& text, int caret) {
    return check(text, caret, [](const QString& typed) { return parseDouble(typed); });
}
