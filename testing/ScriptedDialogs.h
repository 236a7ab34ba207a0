#pragma once
#include <deque>
#include <vector>

#include "UserDialogs.h"

// Dialogs for tests: every call is recorded with its texts, and answered from
// the queue of its kind. A call whose queue is empty counts as unanswered and
// gets the cancelling answer.
class ScriptedDialogs : public UserDialogs {
public:
    struct Call {
        QString kind;  // "question", "message", "input", "open", "save", "colour"
        QString caption;
        QString text;
        QString detail;  // buttons, default text, file name or filter; "error" for an error box
    };

    std::vector<Call> calls;
    int unanswered = 0;

    std::deque<Answer> questionAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<Colour>> colourAnswers;

    Answer question(const QString& text, const QString& caption, Buttons buttons) override;
    void message(const QString& text, const QString& caption) override;
    // Recorded as a "message" whose detail is "error".
    void errorMessage(const QString& text, const QString& caption) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& defaultText) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& fileName,
                                    const QString& filter) override;
    std::optional<Colour> chooseColour(Colour initial) override;

    // Calls of one kind, in order.
    std::vector<Call> callsOf(const QString& kind) const;
};
