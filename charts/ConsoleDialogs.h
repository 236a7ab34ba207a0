#pragma once
// The dialogs of a run without a window: messages go to standard error with their caption,
// every question, prompt and dialog is cancelled.
#include <cstdio>

#include "UserDialogs.h"

class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(std::FILE* out = stderr) : out_(out) {}

    Answer question(const QString& text, const QString& caption, Buttons buttons) override;
    void message(const QString& text, const QString& caption) override;
    std::optional<QString> inputQuery(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }

    // The number of messages and questions written so far.
    int reported() const { return reported_; }

private:
    std::FILE* out_;
    int reported_ = 0;
};
