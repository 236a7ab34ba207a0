#include "TextLines.h"

#include <algorithm>

namespace {

const QString Ellipsis = QStringLiteral("\u2026");

// The longest prefix of `text` (in characters) that fits `width`; 0 when none does.
qsizetype fittingLength(const QString& text, int width, const TextWidth& widthOf) {
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (widthOf(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// Breaks one paragraph (no line breaks) into `lines`, at most `room` of them; returns false
// when text was left out.
bool wrapParagraph(const QString& paragraph, int width, int room, const TextWidth& widthOf,
                   QStringList& lines) {
    QString rest = paragraph.trimmed();
    if (rest.isEmpty()) {
        if (room <= 0) return false;
        lines.append(QString());
        return true;
    }
    while (!rest.isEmpty()) {
        if (room <= 0) return false;
        qsizetype cut = fittingLength(rest, width, widthOf);
        if (cut < rest.size()) {
            // Back to the last blank within the part that fits, when there is one.
            const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), cut);
            if (blank > 0) cut = blank;
        }
        cut = std::max<qsizetype>(cut, 1);  // at least one character per line
        lines.append(rest.left(cut).trimmed());
        rest = rest.mid(cut).trimmed();
        --room;
    }
    return true;
}

// `text` with "…" at its end, cut so that both fit `width`.
QString withEllipsis(const QString& text, int width, const TextWidth& widthOf) {
    const int room = width - widthOf(Ellipsis);
    const qsizetype keep = room > 0 ? fittingLength(text, room, widthOf) : 0;
    return text.left(keep).trimmed() + Ellipsis;
}

}  // namespace

QString elidedText(const QString& text, int width, const TextWidth& widthOf) {
    return widthOf(text) <= width ? text : withEllipsis(text, width, widthOf);
}

QStringList wrappedLines(const QString& text, int width, int maxLines, const TextWidth& widthOf) {
    QStringList lines;
    maxLines = std::max(1, maxLines);
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    bool complete = true;
    for (const QString& paragraph : paragraphs) {
        if (!wrapParagraph(paragraph, width, maxLines - static_cast<int>(lines.size()), widthOf,
                           lines)) {
            complete = false;
            break;
        }
    }
    if (!complete && !lines.isEmpty()) lines.last() = withEllipsis(lines.last(), width, widthOf);
    return lines;
}
