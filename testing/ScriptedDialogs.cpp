#include "ScriptedDialogs.h"

namespace {

template <typename T>
T takeOr(std::deque<T>& queue, T fallback, int& unanswered) {
    if (queue.empty()) {
        ++unanswered;
        return fallback;
    }
    T front = queue.front();
    queue.pop_front();
    return front;
}

}  // namespace

UserDialogs::Answer ScriptedDialogs::question(const QString& text, const QString& caption,
                                              Buttons buttons) {
    calls.push_back({QStringLiteral("question"), caption, text,
                     buttons == Buttons::YesNoCancel ? QStringLiteral("YesNoCancel")
                                                     : QStringLiteral("YesNo")});
    const Answer fallback = buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    return takeOr(questionAnswers, fallback, unanswered);
}

void ScriptedDialogs::message(const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("message"), caption, text, QString()});
}

void ScriptedDialogs::errorMessage(const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("message"), caption, text, QStringLiteral("error")});
}

std::optional<QString> ScriptedDialogs::inputQuery(const QString& caption, const QString& prompt,
                                                   const QString& defaultText) {
    calls.push_back({QStringLiteral("input"), caption, prompt, defaultText});
    return takeOr(inputAnswers, std::optional<QString>(), unanswered);
}

QStringList ScriptedDialogs::openFiles(const QString& title, const QString& filter) {
    calls.push_back({QStringLiteral("open"), title, QString(), filter});
    return takeOr(openAnswers, QStringList(), unanswered);
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& title, const QString& fileName,
                                                 const QString& filter) {
    calls.push_back({QStringLiteral("save"), title, fileName, filter});
    return takeOr(saveAnswers, std::optional<QString>(), unanswered);
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour initial) {
    calls.push_back(
        {QStringLiteral("colour"), QString(), QString::number(initial.value, 16), QString()});
    return takeOr(colourAnswers, std::optional<Colour>(), unanswered);
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::callsOf(const QString& kind) const {
    std::vector<Call> result;
    for (const auto& call : calls)
        if (call.kind == kind) result.push_back(call);
    return result;
}
