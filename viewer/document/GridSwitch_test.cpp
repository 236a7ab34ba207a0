#include "GridSwitch.h"

#include <gtest/gtest.h>

#include <new>

#include "ScriptedDialogs.h"

namespace {

class SwitchSteps : public ::testing::Test {
protected:
    // A document with changed values (or selected cells) and a Save As that counts its runs.
    void change() { document.Modified = true; }
    void select() { document.selection.points.push_back({1, 2, 0}); }
    std::function<bool()> saveAs(bool written) {
        return [this, written] {
            ++saves;
            return written;
        };
    }

    GridDocument document;
    ScriptedDialogs dialogs;
    GridSwitch steps{document, dialogs};
    int saves = 0;
};

}  // namespace

TEST_F(SwitchSteps, OneSwitchAtATime) {
    EXPECT_TRUE(steps.begin());
    EXPECT_TRUE(steps.running());
    EXPECT_FALSE(steps.begin());
    steps.end();
    EXPECT_FALSE(steps.running());
    EXPECT_TRUE(steps.begin());
}

TEST_F(SwitchSteps, NothingChangedAsksNothing) {
    EXPECT_TRUE(steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(true)));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(saves, 0);
}

TEST_F(SwitchSteps, ClosingAsksWithTheGridsTextCaptionedExit) {
    change();
    dialogs.questionAnswers = {UserDialogs::Answer::Cancel};
    EXPECT_FALSE(steps.askToSaveChanges(GridSwitch::Target::Exit, saveAs(true)));
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, "Exit");
    EXPECT_EQ(questions[0].text, GridSwitch::question(GridSwitch::Target::Grid));
    EXPECT_EQ(questions[0].detail, "YesNoCancel");
}

TEST_F(SwitchSteps, QuestionTextsForGridAndLevel) {
    change();
    dialogs.questionAnswers = {UserDialogs::Answer::No, UserDialogs::Answer::No};
    steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(true));
    change();
    steps.askToSaveChanges(GridSwitch::Target::Level, saveAs(true));
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 2u);
    const QString text =
        "There are selected cells or \nthe original grid was changed. \n"
        "Do you want to save the changes?";
    EXPECT_EQ(questions[0].text, text);
    EXPECT_EQ(questions[0].caption, "show another grid");
    EXPECT_EQ(questions[0].detail, "YesNoCancel");
    EXPECT_EQ(questions[1].text,
              text + "\nAttention: only the actual level\nwill be saved as grid");
    EXPECT_EQ(questions[1].caption, "show another level");
}

TEST_F(SwitchSteps, AnswersDecideWhetherTheSwitchGoesOn) {
    // Cancel: the changes and the selection stay, nothing is saved.
    change();
    select();
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    EXPECT_FALSE(steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(true)));
    EXPECT_TRUE(document.Modified);
    EXPECT_FALSE(document.selection.empty());
    EXPECT_EQ(saves, 0);

    // Yes with a save that did not write: kept as on Cancel.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    EXPECT_FALSE(steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(false)));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(document.Modified);
    EXPECT_FALSE(document.selection.empty());

    // Yes with a written file: saved, the switch goes on.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    EXPECT_TRUE(steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(true)));
    EXPECT_EQ(saves, 2);
    EXPECT_FALSE(document.Modified);
    EXPECT_TRUE(document.selection.empty());

    // No: goes on without saving; the selection is dropped, Modified is the caller's.
    change();
    select();
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    EXPECT_TRUE(steps.askToSaveChanges(GridSwitch::Target::Level, saveAs(true)));
    EXPECT_EQ(saves, 2);
    EXPECT_TRUE(document.selection.empty());
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(SwitchSteps, SelectedCellsAloneAskAsWell) {
    select();
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    EXPECT_TRUE(steps.askToSaveChanges(GridSwitch::Target::Grid, saveAs(true)));
    EXPECT_EQ(dialogs.callsOf("question").size(), 1u);
}

TEST_F(SwitchSteps, FailedLoadsTellTheUserUnlessSilent) {
    using Kind = GridFormatError::Kind;
    struct Case {
        Kind kind;
        bool message, removeEntry, showFormat, staysBusy;
    };
    const Case cases[] = {
        {Kind::Unrecognised, true, false, true, true},
        {Kind::BadFileType, false, true, false, false},
        {Kind::NetCDF, false, false, false, false},
        {Kind::Read, true, false, false, false},
        {Kind::Format, true, false, false, false},
    };
    for (const Case& c : cases) {
        ScriptedDialogs told;
        GridSwitch load(document, told);
        document.Modified = true;
        load.beginLoad();
        const auto result = load.failedLoad(GridFormatError(c.kind, "the text"));
        const auto messages = told.callsOf("message");
        ASSERT_EQ(messages.size(), c.message ? 1u : 0u) << static_cast<int>(c.kind);
        if (c.message) {
            EXPECT_EQ(messages[0].text, "the text");
            EXPECT_EQ(messages[0].caption, GridFormatError(c.kind, "").caption());
        }
        EXPECT_EQ(result.removeEntry, c.removeEntry);
        EXPECT_EQ(result.showFormat, c.showFormat);
        EXPECT_EQ(load.busy(), c.staysBusy);
        EXPECT_FALSE(document.Modified);
    }
}

TEST_F(SwitchSteps, OtherLoadErrorsBecomeReadErrors) {
    const GridFormatError error = GridSwitch::asLoadError(std::bad_alloc(), "/data/big.asc");
    EXPECT_EQ(error.kind(), GridFormatError::Kind::Read);
    EXPECT_TRUE(error.text().startsWith("Could not load \"/data/big.asc\": "));
    EXPECT_FALSE(error.silent());
}
