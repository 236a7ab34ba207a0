#pragma once
// The dialogs of a run that nobody watches (a picture job, a screenshot): every message and
// question goes to standard error with the program's name and the caption, questions get the
// cancelling answer (No, or Cancel where offered), and prompts, file and colour dialogs are
// cancelled. Nothing ever waits for a click.
#include <QString>
#include <cstdio>
#include <utility>

#include "UserDialogs.h"

class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(QString program, std::FILE* out = stderr)
        : program_(std::move(program)), out_(out) {}

    Answer question(const QString& text, const QString& caption, Buttons buttons) override;
    void message(const QString& text, const QString& caption) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& defaultText) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& fileName,
                                    const QString& filter) override;
    std::optional<Colour> chooseColour(Colour initial) override;

    // The number of messages, questions and dialogs reported so far; a job that reported
    // any ends with a non-zero exit code.
    int reported() const { return reported_; }

private:
    void report(const QString& caption, const QString& text);

    QString program_;
    std::FILE* out_;
    int reported_ = 0;
};
