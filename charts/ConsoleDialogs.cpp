#include "ConsoleDialogs.h"

UserDialogs::Answer ConsoleDialogs::question(const QString& text, const QString& caption,
                                             Buttons buttons) {
    message(text, caption);
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

void ConsoleDialogs::message(const QString& text, const QString& caption) {
    ++reported_;
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out_, "linara: %s: %s\n", qPrintable(caption), qPrintable(line));
}
