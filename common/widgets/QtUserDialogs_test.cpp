#include "QtUserDialogs.h"

#include <gtest/gtest.h>

#include "ScriptedDialogs.h"

TEST(QtUserDialogs, FilterTextBecomesQtFilter) {
    EXPECT_EQ(QtUserDialogs::toQtFilter("Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*"),
              "Grid-Dateien (*.grd);;Alle Dateien (*.*)");
    EXPECT_EQ(QtUserDialogs::toQtFilter("*.*"), "*.*");
}

TEST(ScriptedDialogs, RecordsCallsAndAnswersFromQueues) {
    ScriptedDialogs dialogs;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    EXPECT_EQ(dialogs.question("t", "c", UserDialogs::Buttons::YesNo), UserDialogs::Answer::Yes);
    // An unanswered question cancels and is counted.
    EXPECT_EQ(dialogs.question("t2", "c2", UserDialogs::Buttons::YesNoCancel),
              UserDialogs::Answer::Cancel);
    EXPECT_EQ(dialogs.unanswered, 1);
    dialogs.inputAnswers.push_back(QStringLiteral("5"));
    EXPECT_EQ(dialogs.inputQuery("Legend Label", "new Value", "1").value(), "5");
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[1].text, "t2");
    EXPECT_EQ(dialogs.calls[1].detail, "YesNoCancel");
    EXPECT_EQ(dialogs.callsOf("input").front().detail, "1");
}
