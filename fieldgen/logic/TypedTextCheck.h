#pragma once
#include <QString>

// What a numeric edit shows after a change: an empty text becomes "0"; a text that is not a
// number loses the character just before the caret (the one just typed) and the caret moves
// back by one, until what is left is a number or empty. The checks read a text exactly as
// parseDouble and parseInt do when the parameters are taken, so whatever they let stand is
// accepted there.
struct CheckedText {
    QString text;
    int caret = 0;
    bool changed = false;
};

CheckedText checkIntText(const QString& text, int caret);
// Takes a dot, or the locale's decimal separator in place of it, as parseDouble does.
CheckedText checkFloatText(const QString& text, int caret);
