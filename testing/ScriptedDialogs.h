#pragma once
#include <deque>
#include <vector>

#include "UserDialogs.h"

// Dialogs for tests: every call is recorded with its texts, and answered from the queue of its
// kind. A dialog that needs an answer while its queue is empty fails the running test, names
// the dialog, and gets the cancelling answer so that the program goes on; a test that means to
// leave dialogs unanswered says so with `allowUnscripted()`. Messages need no answer: they are
// recorded for the test to check.
class ScriptedDialogs : public UserDialogs {
public:
    struct Call {
        QString kind;  // "question", "message", "input", "open", "save", "colour"
        QString caption;
        QString text;
        QString detail;  // buttons, default text, file name or filter; "error" for an error box
    };

    // While it lives, dialogs without an answer are cancelled and counted, not failed.
    class UnscriptedAllowed {
    public:
        explicit UnscriptedAllowed(ScriptedDialogs& dialogs) : dialogs_(dialogs) {
            ++dialogs_.allowedScopes_;
        }
        ~UnscriptedAllowed() { --dialogs_.allowedScopes_; }
        UnscriptedAllowed(const UnscriptedAllowed&) = delete;
        UnscriptedAllowed& operator=(const UnscriptedAllowed&) = delete;

    private:
        ScriptedDialogs& dialogs_;
    };
    [[nodiscard]] UnscriptedAllowed allowUnscripted() { return UnscriptedAllowed(*this); }

    std::vector<Call> calls;
    int unanswered = 0;  // dialogs cancelled for want of an answer

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

private:
    // Records the call and takes its answer from `queue`, or `cancelled` when none is left.
    template <typename T>
    T answer(Call call, std::deque<T>& queue, T cancelled);

    int allowedScopes_ = 0;
};
