#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

template <typename T>
T ScriptedDialogs::answer(Call call, std::deque<T>& queue, T cancelled) {
    calls.push_back(call);
    if (queue.empty()) {
        ++unanswered;
        if (allowedScopes_ == 0)
            ADD_FAILURE() << "unscripted " << call.kind.toStdString() << " dialog, caption \""
                          << call.caption.toStdString() << "\", text \"" << call.text.toStdString()
                          << "\", detail \"" << call.detail.toStdString() << "\"";
        return cancelled;
    }
    T front = queue.front();
    queue.pop_front();
    return front;
}

UserDialogs::Answer ScriptedDialogs::question(const QString& text, const QString& caption,
                                              Buttons buttons) {
    const bool withCancel = buttons == Buttons::YesNoCancel;
    return answer({QStringLiteral("question"), caption, text,
                   withCancel ? QStringLiteral("YesNoCancel") : QStringLiteral("YesNo")},
                  questionAnswers, withCancel ? Answer::Cancel : Answer::No);
}

void ScriptedDialogs::message(const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("message"), caption, text, QString()});
}

void ScriptedDialogs::errorMessage(const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("message"), caption, text, QStringLiteral("error")});
}

std::optional<QString> ScriptedDialogs::inputQuery(const QString& caption, const QString& prompt,
                                                   const QString& defaultText) {
    return answer({QStringLiteral("input"), caption, prompt, defaultText}, inputAnswers,
                  std::optional<QString>());
}

QStringList ScriptedDialogs::openFiles(const QString& title, const QString& filter) {
    return answer({QStringLiteral("open"), title, QString(), filter}, openAnswers, QStringList());
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& title, const QString& fileName,
                                                 const QString& filter) {
    return answer({QStringLiteral("save"), title, fileName, filter}, saveAnswers,
                  std::optional<QString>());
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour initial) {
    return answer(
        {QStringLiteral("colour"), QString(), QString::number(initial.value, 16), QString()},
        colourAnswers, std::optional<Colour>());
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::callsOf(const QString& kind) const {
    std::vector<Call> result;
    for (const auto& call : calls)
        if (call.kind == kind) result.push_back(call);
    return result;
}
