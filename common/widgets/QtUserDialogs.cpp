#include "QtUserDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

UserDialogs::Answer QtUserDialogs::question(const QString& text, const QString& caption,
                                            Buttons buttons) {
    auto standard = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) standard |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent_, caption, text, standard)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

void QtUserDialogs::message(const QString& text, const QString& caption) {
    QMessageBox::information(parent_, caption, text, QMessageBox::Ok);
}

void QtUserDialogs::errorMessage(const QString& text, const QString& caption) {
    QMessageBox::critical(parent_, caption, text, QMessageBox::Ok);
}

std::optional<QString> QtUserDialogs::inputQuery(const QString& caption, const QString& prompt,
                                                 const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QStringList QtUserDialogs::openFiles(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, title, QString(), toQtFilter(filter));
}

std::optional<QString> QtUserDialogs::saveFile(const QString& title, const QString& fileName,
                                               const QString& filter) {
    const QString chosen =
        QFileDialog::getSaveFileName(parent_, title, fileName, toQtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

std::optional<Colour> QtUserDialogs::chooseColour(Colour initial) {
    const QColor chosen = QColorDialog::getColor(initial.toQColor(), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return Colour::fromQColor(chosen);
}

namespace {

// Qt reads "*.*" as names that contain a dot; the suite's dialogs mean every file by it.
QString qtPatterns(const QString& patterns) {
    QStringList result;
    for (QString pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
        if (!pattern.isEmpty() && !result.contains(pattern)) result << pattern;
    }
    return result.join(QLatin1Char(' '));
}

// "Alle Dateien (*.*)" with "*.*" -> "Alle Dateien (*)": the description keeps its words, the
// parentheses show what Qt matches. A description without parentheses gets them appended.
QString qtFilterEntry(const QString& description, const QString& patterns) {
    const QString matched = qtPatterns(patterns);
    const QString text = description.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (text.endsWith(QLatin1Char(')')) && open >= 0)
        return text.left(open) + QLatin1Char('(') + matched + QLatin1Char(')');
    return text + QStringLiteral(" (") + matched + QLatin1Char(')');
}

}  // namespace

QString QtUserDialogs::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return qtPatterns(filter);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << qtFilterEntry(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}
