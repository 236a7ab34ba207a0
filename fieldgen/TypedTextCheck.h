#pragma once
#include <QString>

// What a numeric edit shows after a change: an empty text becomes "0"; a text that is not a
// number loses the character just before the caret (the one just typed) and the caret moves
// back by one.
struct CheckedText {
    QString text;
    int caret = 0;
    bool changed = false;
};

CheckedText checkIntText(const QString& text, int caret);
// Follows the user's locale for the decimal separator, as typing does.
CheckedText checkFloatText(const QString& text, int caret);
