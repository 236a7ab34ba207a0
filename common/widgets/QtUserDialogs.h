#pragma once
#include "UserDialogs.h"

class QWidget;

// The real dialogs, modal to the given window.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    Answer question(const QString& text, const QString& caption, Buttons buttons) override;
    void message(const QString& text, const QString& caption) override;
    void errorMessage(const QString& text, const QString& caption) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& defaultText) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& fileName,
                                    const QString& filter) override;
    std::optional<Colour> chooseColour(Colour initial) override;

    // "Grid files (*.grd)|*.grd|All (*.*)|*.*" -> "Grid files (*.grd);;All (*)": each entry
    // keeps its description, and its parentheses show the patterns Qt is to match. "*.*" means
    // every file, also names without a dot, so it becomes "*" (a bare "*.*" too).
    // Several patterns of one entry ("*.pal;*.PAL") are separated by blanks, as Qt wants.
    static QString toQtFilter(const QString& filter);

private:
    QWidget* parent_;
};
