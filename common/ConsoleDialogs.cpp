#include "ConsoleDialogs.h"

UserDialogs::Answer ConsoleDialogs::question(const QString& text, const QString& caption,
                                             Buttons buttons) {
    const bool cancel = buttons == Buttons::YesNoCancel;
    report(caption, text + (cancel ? QStringLiteral(" (answered Cancel)")
                                   : QStringLiteral(" (answered No)")));
    return cancel ? Answer::Cancel : Answer::No;
}

void ConsoleDialogs::message(const QString& text, const QString& caption) { report(caption, text); }

std::optional<QString> ConsoleDialogs::inputQuery(const QString& caption, const QString& prompt,
                                                  const QString&) {
    report(caption, prompt + QStringLiteral(" (cancelled)"));
    return std::nullopt;
}

QStringList ConsoleDialogs::openFiles(const QString& title, const QString&) {
    report(title, QStringLiteral("no file can be chosen here (cancelled)"));
    return {};
}

std::optional<QString> ConsoleDialogs::saveFile(const QString& title, const QString& fileName,
                                                const QString&) {
    report(title, fileName + QStringLiteral(": no file can be chosen here (cancelled)"));
    return std::nullopt;
}

std::optional<Colour> ConsoleDialogs::chooseColour(Colour) {
    report(QStringLiteral("Colour"), QStringLiteral("no colour can be chosen here (cancelled)"));
    return std::nullopt;
}

void ConsoleDialogs::report(const QString& caption, const QString& text) {
    ++reported_;
    QString line = text.trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString shown = caption.isEmpty() ? line : caption + QStringLiteral(": ") + line;
    std::fprintf(out_, "%s: %s\n", qPrintable(program_), qPrintable(shown));
    std::fflush(out_);
}
