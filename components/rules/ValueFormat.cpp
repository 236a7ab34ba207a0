#include "ValueFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "NumberText.h"

QString formatValue(double value, const QString& pattern) {
    if (!std::isfinite(value)) return QString::number(value);
    if (pattern.isEmpty()) return QString::number(value, 'g', 15);
    // Numbers with more digits than a double holds are written in the general form, as the
    // toolkit's pattern formatting does ("1.79769313486232E308").
    if (std::fabs(value) >= 1e18) return formatGeneral15(value);
    const int point = pattern.indexOf(u'.');
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString fractionPart = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouped = integerPart.contains(u',');
    const int minIntegerDigits = static_cast<int>(integerPart.count(u'0'));
    const int minDecimals = static_cast<int>(fractionPart.count(u'0'));
    const int maxDecimals = minDecimals + static_cast<int>(fractionPart.count(u'#'));

    QString text = QString::number(std::fabs(value), 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        int keep = text.size();
        const int pointAt = static_cast<int>(text.indexOf(u'.'));
        while (keep > pointAt + 1 + minDecimals && text[keep - 1] == u'0') --keep;
        if (keep == pointAt + 1) --keep;  // no decimals left: no point either
        text.truncate(keep);
    }
    const int pointAt = static_cast<int>(text.indexOf(u'.'));
    QString digits = pointAt < 0 ? text : text.left(pointAt);
    const QString decimals = pointAt < 0 ? QString() : text.mid(pointAt);
    if (digits == u"0" && minIntegerDigits == 0 && !decimals.isEmpty()) digits.clear();
    while (digits.size() < minIntegerDigits) digits.prepend(u'0');
    if (grouped)
        for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, u',');
    QString result = digits + decimals;
    if (result.isEmpty()) result = QStringLiteral("0");
    const bool negative = value < 0 && result.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return negative ? u'-' + result : result;
}
