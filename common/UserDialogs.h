#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "Colour.h"

// Every question, message and file or colour dialog of the programs goes
// through this interface, so that tests can answer them.
class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel, Ok };
    enum class Buttons { YesNo, YesNoCancel };

    virtual ~UserDialogs() = default;

    virtual Answer question(const QString& text, const QString& caption, Buttons buttons) = 0;
    // A message box with an OK button.
    virtual void message(const QString& text, const QString& caption) = 0;
    // The same with the error icon, for failures the user has to know about. Dialogs without
    // icons show it as any other message.
    virtual void errorMessage(const QString& text, const QString& caption) {
        message(text, caption);
    }
    // A one-line prompt; nullopt when the user cancels.
    virtual std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                              const QString& defaultText) = 0;
    // filter uses the "Name (*.ext)|*.ext|..." form of the programs' texts.
    virtual QStringList openFiles(const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& title, const QString& fileName,
                                            const QString& filter) = 0;
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
};
