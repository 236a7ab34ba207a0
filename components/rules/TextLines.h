#pragma once
// Breaking a text into lines that fit a width, for titles that must never widen what shows
// them.
#include <QString>
#include <QStringList>
#include <functional>

// The width in pixels of a text as it is drawn.
using TextWidth = std::function<int(const QString&)>;

// `text` cut at its end so that it fits `width`, with "…" where it was cut; the text itself
// when it fits.
QString elidedText(const QString& text, int width, const TextWidth& widthOf);

// The lines of `text` (its own line breaks kept) broken at blanks so that each fits `width`;
// a word wider than the width is broken inside. At most `maxLines` lines: the last one shown
// ends in "…" when text was left out.
QStringList wrappedLines(const QString& text, int width, int maxLines, const TextWidth& widthOf);
