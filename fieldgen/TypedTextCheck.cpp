#include "TypedTextCheck.h"

#include <QLocale>

namespace {

template <typename IsNumber>
CheckedText check(const QString& text, int caret, IsNumber isNumber) {
    if (text.isEmpty()) return {QStringLiteral("0"), 1, true};
    if (isNumber(text)) return {text, caret, false};
    if (caret <= 0) return {text, caret, false};
    const int at = std::min<int>(caret, text.size());
    return {text.left(at - 1) + text.mid(at), at - 1, true};
}

}  // namespace

CheckedText checkIntText(const QString& text, int caret) {
    return check(text, caret, [](const QString& typed) {
        bool ok = false;
        typed.trimmed().toInt(&ok);
        return ok;
    });
}

CheckedText checkFloatText(const QString& text, int caret) {
    return check(text, caret, [](const QString& typed) {
        bool ok = false;
        QLocale().toDouble(typed.trimmed(), &ok);
        if (!ok) typed.trimmed().toDouble(&ok);
        return ok;
    });
}
